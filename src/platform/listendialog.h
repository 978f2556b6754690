#pragma once

#include "platform/plattform.h"

namespace velmora {

// The dialog behind Plattform::listeZeigen: a text, a list and a row of buttons.
Plattform::Listenwahl listendialog(QWidget* besitzer, const QString& titel, const QString& text,
                                   const QStringList& eintraege, const QStringList& knoepfe);

} // namespace velmora
