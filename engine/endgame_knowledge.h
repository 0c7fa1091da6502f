// The search's stored knowledge: the endgame tables, the kings-versus-men
// rule and the learned positions, behind the SearchKnowledge interface.
#pragma once

#include "engine/search_knowledge.h"
#include "eval/endgame_tables.h"
#include "eval/learned_positions.h"

#include <functional>
#include <string>

namespace kv {

// Whether white kings (colour 0) or black kings (colour 1) hold the other
// side's men in one of three known winning set-ups. menCount counts the men
// of the side without kings; the caller has checked that this side has no
// king and that the other has one.
bool kingsVersusMenRule(const Board& b, int menCount, int colour);

class EndgameKnowledge : public SearchKnowledge {
public:
    // Problems with the files (a missing or short table, a bad "damas.dat")
    // go to the sink, each once, when the file is read.
    using MessageSink = std::function<void(const std::string&)>;

    explicit EndgameKnowledge(std::string programDir, MessageSink sink = {});

    // Reads the 22 tables from the program directory the first time it is
    // called; later calls do nothing. A probe calls it when needed.
    void loadTables() const;
    bool tablesLoaded() const { return tablesLoaded_; }

    // Reads "damas.dat" from the program directory.
    void loadLearnedPositions();

    const egtb::EndgameTables& tables() const { return tables_; }
    egtb::EndgameTables& tables() { return tables_; }
    LearnedPositions& learnedPositions() { return learned_; }
    const LearnedPositions& learnedPositions() const { return learned_; }

    // Material with a table: its value v as 32000 - v - ply (win),
    // -32000 - v + ply (loss) or 0, from the root side's view (negated when
    // the root side's opponent is to move). Nothing for other material or a
    // table that could not be loaded.
    std::optional<int> probeEndgame(const Board& b, const PieceCounts& counts, SideToMove toMove,
                                    SideToMove rootSide, int ply) const override;

    bool kingsVersusMen(const Board& b, int menCount, int colour) const override
    {
        return kingsVersusMenRule(b, menCount, colour);
    }

    // A stored score other than 0 for the keys, from the side to move's view.
    std::optional<int> learned(std::uint32_t indexKey, std::uint32_t checkKey) const override;
    void prefetchLearned(std::uint32_t indexKey) const override { learned_.prefetch(indexKey); }

private:
    std::string dir_;
    MessageSink sink_;
    // Filled on first use by a probe, which the interface makes const.
    mutable egtb::EndgameTables tables_;
    mutable bool tablesLoaded_ = false;
    LearnedPositions learned_;
};

} // namespace kv
