// platform/qt/box_qt.cpp - message boxes
#include "platform/box.h"
#include "platform/eigene_texte.h"
#include "platform/qt/qtfenster.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace plattform {

namespace {

QMessageBox::Icon bild(uint32_t art)
{
    switch (art & 0xF0) {
    case symbol::Fehler: return QMessageBox::Critical;
    case symbol::Frage: return QMessageBox::Question;
    case symbol::Ausruf: return QMessageBox::Warning;
    case symbol::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int meldungsBox(Fenster eigner, const std::string& text, const std::string& titel, uint32_t art)
{
    QWidget* ueber = istFenster(eigner) ? qt::aussen(eigner)->window() : QApplication::activeWindow();
    QMessageBox box(ueber);
    box.setWindowTitle(qt::text(boxTitel(titel)));
    box.setTextFormat(Qt::PlainText);
    box.setText(qt::text(text));
    box.setIcon(bild(art));
    if (ueber)
        box.setWindowModality(Qt::WindowModal);   // blocks the owner, not the other windows

    // the buttons speak the program's language
    std::vector<std::pair<QPushButton*, int>> antworten;
    auto knopf = [&](EigenerText beschriftung, QMessageBox::ButtonRole rolle, int a) {
        antworten.emplace_back(box.addButton(qt::text(eigenerText(beschriftung)), rolle), a);
    };
    switch (art & 0xF) {
    case knoepfe::OkAbbrechen:
        knopf(EigenerText::Ok, QMessageBox::AcceptRole, antwort::Ok);
        knopf(EigenerText::Abbrechen, QMessageBox::RejectRole, antwort::Abbrechen);
        break;
    case knoepfe::JaNeinAbbrechen:
        knopf(EigenerText::Ja, QMessageBox::YesRole, antwort::Ja);
        knopf(EigenerText::Nein, QMessageBox::NoRole, antwort::Nein);
        knopf(EigenerText::Abbrechen, QMessageBox::RejectRole, antwort::Abbrechen);
        break;
    case knoepfe::JaNein:
        knopf(EigenerText::Ja, QMessageBox::YesRole, antwort::Ja);
        knopf(EigenerText::Nein, QMessageBox::NoRole, antwort::Nein);
        break;
    default:
        knopf(EigenerText::Ok, QMessageBox::AcceptRole, antwort::Ok);
        break;
    }
    // closing the box (Esc, close box) answers Cancel where there is one, else the last
    // button: "No", or the only one
    box.setDefaultButton(antworten.front().first);
    box.setEscapeButton(antworten.back().first);

    box.exec();
    qt::pumpeVermerken();
    auto* geklickt = box.clickedButton();
    for (auto& [k, a] : antworten)
        if (k == geklickt)
            return a;
    return antworten.back().second;
}

} // namespace plattform
