#include "accessible_names.h"

#include "control_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <array>

namespace {

using Sources = std::array<QPointer<QWidget>, 2>;

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label's or an edit's text as a part of a name: "Category:" gives "Category", " 2:" gives "2".
QString NamePart(const QWidget* source)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(source))
        text = label->text();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(source))
        text = edit->text();
    text = text.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

bool UsesEmptyPart(const QString& pattern, const std::array<QString, 2>& parts)
{
    return (pattern.contains(u"%1") && parts[0].isEmpty()) || (pattern.contains(u"%2") && parts[1].isEmpty());
}

// One pass over the pattern, so that a "%2" in the first part's text stays as it is.
QString Fill(const QString& pattern, const std::array<QString, 2>& parts)
{
    QString name;
    for (qsizetype index = 0; index < pattern.size(); ++index) {
        const QChar next = index + 1 < pattern.size() ? pattern.at(index + 1) : QChar();
        if (pattern.at(index) == u'%' && (next == u'1' || next == u'2')) {
            name += parts[next == u'1' ? 0 : 1];
            ++index;
        } else {
            name += pattern.at(index);
        }
    }
    return name;
}

QString ComposeName(const res::AccessibleName& name, const Sources& sources)
{
    const std::array<QString, 2> parts = {NamePart(sources[0]), NamePart(sources[1])};
    const QString pattern = FromUtf8(name.pattern);
    if (!name.fallback.empty() && UsesEmptyPart(pattern, parts))
        return Fill(FromUtf8(name.fallback), parts);
    return Fill(pattern, parts);
}

} // namespace

void NameControls(QWidget* window, std::span<const res::AccessibleName> names)
{
    for (const res::AccessibleName& name : names) {
        QWidget* control = FindControl(window, name.controlId);
        if (!control)
            continue;
        const Sources sources = {FindControl(window, name.source1), FindControl(window, name.source2)};
        auto update = [control, sources, &name] { control->setAccessibleName(ComposeName(name, sources)); };
        update();
        // A label keeps the text of its template; an edit's text changes while the dialog runs.
        for (const QPointer<QWidget>& source : sources) {
            if (auto* edit = qobject_cast<QLineEdit*>(source.data()))
                QObject::connect(edit, &QLineEdit::textChanged, control, update);
        }
    }
}
