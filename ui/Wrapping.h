#pragma once
// Cuts an issue's description into the lines of its row in the results list. A line
// ends after a blank or a backslash, which stays at its end, so paths wrap after a
// folder name; a text with no such break within the width stays on one line.
#include <string>
#include <vector>

// Characters taken for the next line of text at width n: the text's length when it is
// shorter than n (or empty), else the 1-based position of the last blank or backslash
// among the first n characters, or the whole length when there is none.
int FindBreakPos(const std::string& text, int width);
// Number of lines of the text at width n; at least 1.
int GetPartOfStrCount(const std::string& text, int width);
// The next line. Cut off the text unless the text is shorter than n, in which case the
// whole text is the line and stays as it is.
std::string GetPartOfStr(std::string& text, int width);
// Every line, GetPartOfStrCount of them.
std::vector<std::string> WrapDescription(const std::string& text, int width);
