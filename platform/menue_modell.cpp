// platform/menue_modell.cpp - menu tables, lookups and edits on the menu tree
#include "platform/menue_modell.h"

namespace plattform {

void (*menueGuiFreigabe)(Menue m) = nullptr;

namespace {

// Builds the items of one level from row i on; stops at the first row of a lower level.
bool ebeneLaden(std::span<const MenueZeile> t, size_t& i, int ebene, MenueObjekt& m)
{
    while (i < t.size() && t[i].ebene >= ebene) {
        const MenueZeile& z = t[i];
        if (z.ebene != ebene)
            return false;                        // a jump deeper without a submenu row
        MenuePostenDaten p;
        p.art = z.art;
        p.befehl = (z.art & (menueArt::Untermenue | menueArt::Trenner)) ? 0 : z.befehl;
        p.text = z.text ? z.text : "";
        ++i;
        if (z.art & menueArt::Untermenue) {
            p.unter = std::make_unique<MenueObjekt>();
            p.unter->besitzer = &m;
            if (!ebeneLaden(t, i, ebene + 1, *p.unter))
                return false;
        }
        m.posten.push_back(std::move(p));
    }
    return true;
}

void guiRekursivFreigeben(MenueObjekt& m)
{
    for (auto& p : m.posten)
        if (p.unter)
            guiRekursivFreigeben(*p.unter);
    if (menueGuiFreigabe)
        menueGuiFreigabe(&m);
}

} // namespace

Menue menueLaden(std::span<const MenueZeile> tabelle)
{
    if (tabelle.empty() || tabelle[0].ebene != 0)
        return nullptr;
    auto m = std::make_unique<MenueObjekt>();
    size_t i = 0;
    if (!ebeneLaden(tabelle, i, 0, *m) || i != tabelle.size())
        return nullptr;
    return m.release();
}

Menue menueErzeugen() { return new MenueObjekt; }

void menueZerstoeren(Menue m)
{
    if (!m)
        return;
    if (MenueObjekt* b = m->besitzer) {
        // a submenu leaves its owner's item with it; the owner frees it there
        for (size_t i = 0; i < b->posten.size(); ++i)
            if (b->posten[i].unter.get() == m) {
                guiRekursivFreigeben(*m);
                b->posten.erase(b->posten.begin() + static_cast<long>(i));
                return;
            }
    }
    guiRekursivFreigeben(*m);
    delete m;
}

MenuePostenDaten* postenSuchen(Menue m, int wo, Nach nach, Menue* halter)
{
    if (!m)
        return nullptr;
    if (nach == Nach::Position) {
        if (wo < 0 || wo >= static_cast<int>(m->posten.size()))
            return nullptr;
        if (halter)
            *halter = m;
        return &m->posten[wo];
    }
    for (auto& p : m->posten) {
        if (p.unter) {
            if (MenuePostenDaten* q = postenSuchen(p.unter.get(), wo, nach, halter))
                return q;
        } else if (!(p.art & menueArt::Trenner) && p.befehl == wo) {
            if (halter)
                *halter = m;
            return &p;
        }
    }
    return nullptr;
}

int postenAnzahl(Menue m) { return m ? static_cast<int>(m->posten.size()) : -1; }

int postenBefehl(Menue m, int position)
{
    MenuePostenDaten* p = postenSuchen(m, position, Nach::Position);
    return p ? p->befehl : -1;
}

Menue untermenue(Menue m, int position)
{
    MenuePostenDaten* p = postenSuchen(m, position, Nach::Position);
    return p ? p->unter.get() : nullptr;
}

Menue menueMitBefehl(Menue m, int befehl)
{
    Menue halter = nullptr;
    return postenSuchen(m, befehl, Nach::Befehl, &halter) ? halter : nullptr;
}

int untermenuePosition(Menue m, Menue unter)
{
    if (!m || !unter)
        return -1;
    for (size_t i = 0; i < m->posten.size(); ++i)
        if (m->posten[i].unter.get() == unter)
            return static_cast<int>(i);
    return -1;
}

static bool bitSetzen(Menue m, int wo, Nach nach, uint32_t bit, bool an)
{
    MenuePostenDaten* p = postenSuchen(m, wo, nach);
    if (!p)
        return false;
    p->art = an ? (p->art | bit) : (p->art & ~bit);
    return true;
}

bool abhaken(Menue m, int wo, Nach nach, bool an) { return bitSetzen(m, wo, nach, menueArt::Abgehakt, an); }
bool grauSetzen(Menue m, int wo, Nach nach, bool grau) { return bitSetzen(m, wo, nach, menueArt::Grau, grau); }

bool istAbgehakt(Menue m, int wo, Nach nach)
{
    MenuePostenDaten* p = postenSuchen(m, wo, nach);
    return p && (p->art & menueArt::Abgehakt);
}

bool istGrau(Menue m, int wo, Nach nach)
{
    MenuePostenDaten* p = postenSuchen(m, wo, nach);
    return p && (p->art & menueArt::Grau);
}

bool postenUmbenennen(Menue m, int wo, Nach nach, const std::string& text)
{
    MenuePostenDaten* p = postenSuchen(m, wo, nach);
    if (!p)
        return false;
    p->text = text;
    return true;
}

std::string postenText(Menue m, int wo, Nach nach)
{
    MenuePostenDaten* p = postenSuchen(m, wo, nach);
    return p ? p->text : std::string();
}

bool postenLoeschen(Menue m, int wo, Nach nach)
{
    Menue halter = nullptr;
    MenuePostenDaten* p = postenSuchen(m, wo, nach, &halter);
    if (!p)
        return false;
    if (p->unter)
        guiRekursivFreigeben(*p->unter);
    halter->posten.erase(halter->posten.begin() + (p - halter->posten.data()));
    return true;
}

bool postenEinfuegen(Menue m, int position, uint32_t art, int befehl, const std::string& text)
{
    if (!m || position < 0 || position > static_cast<int>(m->posten.size()) ||
        (art & menueArt::Untermenue))
        return false;
    MenuePostenDaten p;
    p.art = art;
    p.befehl = (art & menueArt::Trenner) ? 0 : befehl;
    p.text = text;
    m->posten.insert(m->posten.begin() + position, std::move(p));
    return true;
}

bool postenAnhaengen(Menue m, uint32_t art, int befehl, const std::string& text)
{
    return m && postenEinfuegen(m, static_cast<int>(m->posten.size()), art, befehl, text);
}

bool untermenueAnhaengen(Menue m, Menue unter, const std::string& text)
{
    // a menu has one owner, and a menu inside itself would never end
    if (!m || !unter || unter->besitzer || unter->fenster)
        return false;
    for (Menue a = m; a; a = a->besitzer)
        if (a == unter)
            return false;
    unter->besitzer = m;
    MenuePostenDaten p;
    p.art = menueArt::Untermenue;
    p.text = text;
    p.unter.reset(unter);
    m->posten.push_back(std::move(p));
    return true;
}

} // namespace plattform
