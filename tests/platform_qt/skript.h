// tests/platform_qt/skript.h - answers the modal dialogs a call opens, one step each
#pragma once
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace protokoll {

// Each step gets the modal widget on top and returns true when it dealt with it; the
// next step waits for the next dialog. Looks every few milliseconds from inside the
// dialogs' own loops. A dialog nobody expects is rejected when the steps are used up,
// so a test never hangs on it.
class DialogSkript {
public:
    using Schritt = std::function<bool(QWidget*)>;
    explicit DialogSkript(std::vector<Schritt> schritte) : schritte(std::move(schritte))
    {
        QObject::connect(&takt, &QTimer::timeout, [this] { schauen(); });
        takt.start(5);
    }
    bool fertig() const { return naechster == schritte.size(); }
    size_t erledigt() const { return naechster; }

private:
    void schauen()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        if (naechster < schritte.size()) {
            if (schritte[naechster](w))
                ++naechster;
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        }
    }
    std::vector<Schritt> schritte;
    size_t naechster = 0;
    QTimer takt;
};

// a step for the next dialog of kind T (a QFileDialog, a QMessageBox ...)
template <class T>
DialogSkript::Schritt bei(std::function<void(T*)> tun)
{
    return [tun](QWidget* w) {
        T* d = qobject_cast<T*>(w);
        if (d)
            tun(d);
        return d != nullptr;
    };
}

} // namespace protokoll
