#pragma once

#include <QByteArray>
#include <QIcon>

namespace res {

// The bytes of an HTML resource as shipped; empty for an id the program lacks.
QByteArray LoadHtmlResource(int id);

// An icon resource with every size it is drawn at; a null icon for an id the program lacks.
QIcon LoadIconResource(int id);

} // namespace res
