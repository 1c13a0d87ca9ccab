#pragma once
// The phrase stop words of phrasestop1.tbl, dropped from the start of a term by term routines 4 and 7.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Reports a fault in a control file: the caller logs the message and sets the configuration-error flag.
using ControlFileFault = std::function<void(const std::string& message)>;

// A stop word must hold something other than white space: an empty or blank one could never be a word
// of a term, and removing it by replacement would never end.
bool IsUsableStopWord(std::string_view word);

// Every quoted text of every record of the file, in file order. A value of another kind is reported as
// "No stopword in stopwords.tbl", an empty or blank quoted text as "Blank stopword in
// phrasestop1.tbl"; neither is kept. A file that cannot be opened gives an empty list.
std::vector<std::string> ReadPhraseStopWords(const std::string& path, const ControlFileFault& fault);

// The process-wide list, read from controlFilesDir followed by "phrasestop1.tbl" on the first call (once,
// also when threads call at the same moment) and kept until the process ends; later calls give the same
// list whatever their arguments.
const std::vector<std::string>& LoadPhraseStopWords(std::string_view controlFilesDir,
                                                    const ControlFileFault& fault);
