#include "dialog_units.h"

#include <QFontMetrics>

namespace {

// Multiplies and divides, rounding half away from zero as the dialog manager does.
int MultiplyDivide(int value, int multiplier, int divisor)
{
    const long long product = static_cast<long long>(value) * multiplier;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

} // namespace

DialogBaseUnits DialogBaseUnitsOf(const QFont& font)
{
    // The average is taken over the letters of the alphabet rather than from the font's own
    // figure, which many fonts state far from what their letters measure.
    const QFontMetrics metrics(font);
    const int alphabetWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabetWidth / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units)
{
    const int left = MultiplyDivide(dialogUnits.x(), units.averageCharacterWidth, 4);
    const int top = MultiplyDivide(dialogUnits.y(), units.characterHeight, 8);
    const int width = MultiplyDivide(dialogUnits.width(), units.averageCharacterWidth, 4);
    const int height = MultiplyDivide(dialogUnits.height(), units.characterHeight, 8);
    return {left, top, width, height};
}
