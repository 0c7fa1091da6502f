// Stepping through the problems of a folder: the "*.dam" files in name
// order (comment files ".damt" are never problems), a position in that
// listing, and the step to the next name with a wrap to the first.
#pragma once

#include <string>
#include <vector>

namespace kv {

// The problem file names of `dir` (names only), sorted; ".dam" in any letter case.
std::vector<std::string> listProblemFiles(const std::string& dir);

class ProblemCursor {
public:
    // Lists `dir` and stands on `fileName` (a name in it); a name not found
    // leaves the cursor before the first problem.
    void open(const std::string& dir, const std::string& fileName);
    // Advances to the next problem, wrapping at the end; the folder is
    // listed again, so problems added or removed meanwhile count. Empty when
    // the folder holds no problem.
    std::string next();
    // The full path of the current problem; empty before the first.
    std::string currentPath() const;
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
    std::string current_; // name of the current problem
};

} // namespace kv
