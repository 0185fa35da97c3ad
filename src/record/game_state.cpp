#include "record/game_state.hpp"

#include <new>

namespace game {

GameState state;

void resetGameState() {
    // The record owns the shard list, so it is rebuilt rather than assigned.
    state.~GameState();
    new (&state) GameState();
}

void fillHelpAndCreditLines() {
    // Windows-1252 bytes: \xE4 = ä, \xF6 = ö, \xFC = ü, \xDF = ß.
    static const char* const kHelp[kHelpLines] = {
        "Kleines Christbaumkugel-Verschiebe-Spiel",
        "",
        "Mindestens 5 Kugeln einer Farbe m\xFCssen in einer",
        "Reihe vertikal, horizontal oder diagonal stehen,",
        "damit sie verschwinden und das Spielfeld sich",
        "nicht zu schnell f\xFCllt. Denn dann ist das Spiel",
        "zu ende.",
        "Dieser Hilfe-Bildschirm (und auch die Bestenliste",
        "und die Info) verschwindet, wenn man einfach drauf",
        "klickt. Alles weitere erkl\xE4rt sich wohl selbst  ;-)",
    };
    static const char* const kCredits[kCreditLines] = {
        "Kleines Christbaumkugel-Verschiebe-Spiel",
        "",
        "Geschrieben in C++ mit SDL2.",
        "Code & Grafiken von mir, Sounds aus dem www",
        "von Seiten mit freien .wav-Files.",
        "",
        "Vielen Dank an alle flei\xDFigen Testwichtel!",
        "",
        "Wer den SourceCode haben will, wende sich",
        "an die Wichtelwerkstatt am Nordpol.",
        "",
        // Short: the page's mascot stands at the end of this line.
        "Wichtelwerkstatt, 2026",
    };
    for (int i = 0; i < kHelpLines; ++i) {
        state.helpLines[i] = kHelp[i];
    }
    for (int i = 0; i < kCreditLines; ++i) {
        state.creditLines[i] = kCredits[i];
    }
}

} // namespace game
