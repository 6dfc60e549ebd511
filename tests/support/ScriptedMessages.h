#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "projekt/MessageService.h"

namespace tarvis::test {

// A message service for tests: records every message and question and
// answers from a script. Unscripted questions answer with their default (or
// No), unscripted windows are not confirmed.
class ScriptedMessages : public MessageService {
public:
    struct Eintrag {
        enum Art { Meldung, Frage, Eingabe, Fenster, Hilfe, Piep } art;
        std::string text;
        Symbol symbol = Symbol::Keins;
        std::string titel;
        tarvis::Fenster fenster{};
        int kontext = 0;
        // The message as the service got it: string numbers, buttons, default.
        tarvis::Meldung meldung{};
    };

    std::vector<Eintrag> protokoll;
    std::deque<Antwort> antworten;
    std::deque<std::optional<std::string>> eingaben;
    // What opening a window does (e.g. sets state) and whether it is confirmed.
    std::map<tarvis::Fenster, std::function<bool()>> fensterSkript;

    void zeigen(const tarvis::Meldung& m) override { protokollieren(Eintrag::Meldung, m); }
    Antwort fragen(const tarvis::Meldung& m) override {
        protokollieren(Eintrag::Frage, m);
        if (antworten.empty()) return m.standard == Antwort::Keine ? Antwort::Nein : m.standard;
        Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    std::optional<std::string> eingeben(const tarvis::Meldung& m, const std::string&) override {
        protokollieren(Eintrag::Eingabe, m);
        if (eingaben.empty()) return std::nullopt;
        auto e = eingaben.front();
        eingaben.pop_front();
        return e;
    }
    bool oeffnen(tarvis::Fenster f) override {
        Eintrag e{Eintrag::Fenster, {}, Symbol::Keins, {}};
        e.fenster = f;
        protokoll.push_back(e);
        auto it = fensterSkript.find(f);
        return it != fensterSkript.end() && it->second();
    }
    void hilfe(int kontext) override {
        Eintrag e{Eintrag::Hilfe, {}, Symbol::Keins, {}};
        e.kontext = kontext;
        protokoll.push_back(e);
    }
    void piepen() override { protokoll.push_back({Eintrag::Piep, {}, Symbol::Keins, {}}); }

    // The messages and questions as values, in order.
    std::vector<tarvis::Meldung> meldungen() const {
        std::vector<tarvis::Meldung> m;
        for (const auto& e : protokoll)
            if (e.art == Eintrag::Meldung || e.art == Eintrag::Frage || e.art == Eintrag::Eingabe) m.push_back(e.meldung);
        return m;
    }
    // The first string number of each message and question, in order.
    std::vector<int> nummern() const {
        std::vector<int> n;
        for (const auto& m : meldungen()) n.push_back(m.text.nummer());
        return n;
    }

    // The texts of all messages and questions, in order.
    std::vector<std::string> texte() const {
        std::vector<std::string> t;
        for (const auto& e : protokoll)
            if (e.art == Eintrag::Meldung || e.art == Eintrag::Frage || e.art == Eintrag::Eingabe) t.push_back(e.text);
        return t;
    }
    std::vector<tarvis::Fenster> fenster() const {
        std::vector<tarvis::Fenster> f;
        for (const auto& e : protokoll)
            if (e.art == Eintrag::Fenster) f.push_back(e.fenster);
        return f;
    }
    std::vector<int> hilfeKontexte() const {
        std::vector<int> k;
        for (const auto& e : protokoll)
            if (e.art == Eintrag::Hilfe) k.push_back(e.kontext);
        return k;
    }

private:
    void protokollieren(Eintrag::Art art, const tarvis::Meldung& m) {
        Eintrag e{art, m.text.text(), m.symbol, m.titel.text()};
        e.meldung = m;
        protokoll.push_back(e);
    }
};

}  // namespace tarvis::test
