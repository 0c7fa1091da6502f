#include "training/analysis_text.h"

#include "rules/geometry.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace kv {

namespace {

struct LanguageTexts {
    const char* header;  // what the lines are worth
    const char* waiting; // added to it while the analysis runs
    const char* legend;
    // Formats, white then black: move number, played from-to, played score,
    // best from-to, best score.
    std::array<const char*, 2> window;
    std::array<const char*, 2> list;
};

// Indexed by AnalysisLanguage.
constexpr std::array<LanguageTexts, 6> kTexts { {
    { "(ne pas prendre en compte le dernier coup et les premiers).",
      "Attendre quelques secondes - Analyse en cours",
      "+100 gagne un pion ; -100 perd un pion ; * en début de ligne indique qu'il y avait un bien "
      "meilleur coup",
      { "%2d Blanc: joué : %s-%s; score : %2d; meilleur : %s-%s; score : %2d",
        "%2d Noir : joué : %s-%s; score : %2d; meilleur : %s-%s; score : %2d" },
      { "%2d Blancs: %s-%s; score: %2d ; meilleur: %s-%s; score: %2d",
        "%2d Noirs : %s-%s; score: %2d ; meilleur: %s-%s; score: %2d" } },
    { "(don't consider the last and the first moves).",
      "Wait a few second - Analysing",
      "+100 wins a man ; -100 loses a man ; * at the begining means that there was a very better "
      "move",
      { "%2d White : played : %s-%s; score : %2d; best : %s-%s; score : %2d",
        "%2d Black : played : %s-%s; score : %2d; best : %s-%s; score : %2d" },
      { "%2d White : %s-%s; score : %2d ; best : %s-%s; score : %2d",
        "%2d Black : %s-%s; score : %2d ; best : %s-%s; score : %2d" } },
    { "(de laatste zet en de eerste zetten niet meetellen).",
      "Even geduld - Analyse bezig",
      "+100 wint een schijf ; -100 verliest een schijf ; * aan het begin van de regel wil zeggen "
      "dat er een veel betere zet was",
      { "%2d Wit  : gespeeld : %s-%s; score : %2d; beste : %s-%s; score : %2d",
        "%2d Zwart: gespeeld : %s-%s; score : %2d; beste : %s-%s; score : %2d" },
      { "%2d Wit  : %s-%s; score: %2d ; beste: %s-%s; score: %2d",
        "%2d Zwart: %s-%s; score: %2d ; beste: %s-%s; score: %2d" } },
    { "(não considerar o último lance nem os primeiros).",
      "Aguarde alguns segundos - Análise em curso",
      "+100 ganha uma pedra ; -100 perde uma pedra ; * no início da linha indica que havia um "
      "lance muito melhor",
      { "%2d Brancas: jogou : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d",
        "%2d Pretas : jogou : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d" },
      { "%2d Brancas: %s-%s; valor: %2d ; melhor: %s-%s; valor: %2d",
        "%2d Pretas : %s-%s; valor: %2d ; melhor: %s-%s; valor: %2d" } },
    { "(no tener en cuenta la última jugada ni las primeras).",
      "Espere unos segundos - Análisis en curso",
      "+100 gana un peón ; -100 pierde un peón ; * al principio de la línea indica que había una "
      "jugada mucho mejor",
      { "%2d Blancas: jugada : %s-%s; Puntuación : %2d; mejor : %s-%s; Puntuación : %2d",
        "%2d Negras : jugada : %s-%s; Puntuación : %2d; mejor : %s-%s; Puntuación : %2d" },
      { "%2d Blancas: %s-%s; Puntuación: %2d ; mejor: %s-%s; Puntuación: %2d",
        "%2d Negras : %s-%s; Puntuación: %2d ; mejor: %s-%s; Puntuación: %2d" } },
    { "(non tenere conto dell'ultima mossa né delle prime).",
      "Attendere qualche secondo - Analisi in corso",
      "+100 vince una pedina ; -100 perde una pedina ; * a inizio riga indica che c'era una mossa "
      "molto migliore",
      { "%2d Bianco: giocata : %s-%s; punteggio : %2d; migliore : %s-%s; punteggio : %2d",
        "%2d Nero  : giocata : %s-%s; punteggio : %2d; migliore : %s-%s; punteggio : %2d" },
      { "%2d Bianchi: %s-%s; punteggio: %2d ; migliore: %s-%s; punteggio: %2d",
        "%2d Neri   : %s-%s; punteggio: %2d ; migliore: %s-%s; punteggio: %2d" } },
} };

const LanguageTexts& texts(AnalysisLanguage lang) { return kTexts[static_cast<int>(lang)]; }

std::string labelText(Square s) { return std::string(label(s)); }

std::string format(const char* fmt, const AnalysedMove& m)
{
    char buf[200];
    std::snprintf(buf, sizeof buf, fmt, m.ply / 2 + 1, labelText(m.playedFrom).c_str(),
                  labelText(m.playedTo).c_str(), shownScore(m.playedScore),
                  labelText(m.bestFrom).c_str(), labelText(m.bestTo).c_str(),
                  shownScore(m.bestScore));
    return buf;
}

} // namespace

std::string analysisHeader(AnalysisLanguage lang, bool running)
{
    const LanguageTexts& t = texts(lang);
    return running ? std::string(t.header) + " " + t.waiting : t.header;
}
std::string analysisLegend(AnalysisLanguage lang) { return texts(lang).legend; }

std::string analysisWindowLine(AnalysisLanguage lang, const AnalysedMove& m)
{
    return format(texts(lang).window[m.mover], m);
}

std::string analysisListLine(AnalysisLanguage lang, const AnalysedMove& m)
{
    return format(texts(lang).list[m.mover], m);
}

std::string analysisContinuation(Square replyFrom, Square replyTo, Square answerFrom,
                                 Square answerTo)
{
    return " ->( " + labelText(replyFrom) + "-" + labelText(replyTo) + " " + labelText(answerFrom)
        + "-" + labelText(answerTo) + " ....)";
}

bool analysisMarks(int bestScore, int playedScore)
{
    return std::abs(bestScore - playedScore) > 100 && std::abs(bestScore + playedScore) < 60000;
}

} // namespace kv
