// platform/qt/schiebemelder.h - the user's moves of a trackbar or scroll bar as scroll codes
//
// Internal to platform/qt. Trackbars and up-downs take each new position themselves and
// report it; a dialog's scroll bar stays where the program put it and reports that
// position, as the program computes the next one from it (only the thumb follows a drag,
// and goes back when it is let go unless the program set it meanwhile). A run of clicks
// or keys ends with ScrollEnde. Programmatic changes report nothing.
#pragma once
#include <QAbstractSlider>
#include <QObject>
#include <functional>

namespace plattform::qt {

// the scroll code of a line, page or end action of a slider; -1 for a move (drag or wheel)
int scrollCodeVonAktion(int aktion);

class Schiebemelder : public QObject {
public:
    using Meldung = std::function<void(int code, int position)>;
    // lives as a child of the control
    Schiebemelder(QAbstractSlider* schieber, bool selbstBewegend, Meldung meldung);

    void bereichSetzen(int min, int max, int seite);
    void positionSetzen(int position);
    int position() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void handeln(int aktion);
    void losgelassen();
    void beenden();
    void stillSetzen(int wert);

    QAbstractSlider* schieber;
    bool selbstBewegend;
    Meldung melden;
    int programmPosition = 0;             // where the program put a scroll bar
    bool gehandelt = false;               // a line or page step since the run began
};

} // namespace plattform::qt
