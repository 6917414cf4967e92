// platform/qt/hilfe_qt.cpp - help pages through the desktop's browser
#include "platform/hilfe.h"
#include "platform/zeichensatz.h"
#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace plattform {

bool hilfeSeiteZeigen(const std::string& pfad)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(nachUtf8(pfad))));
}

} // namespace plattform
