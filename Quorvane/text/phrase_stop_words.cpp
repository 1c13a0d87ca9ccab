#include "Quorvane/text/phrase_stop_words.h"

#include <memory>

#include "Quorvane/config/control_file.h"
#include "toolkit/util/err_report.h"
#include "toolkit/util/str_class.h"
#include "toolkit/util/table_file.h"

bool IsUsableStopWord(std::string_view word) {
    return StrIsWhite(word) == 0;
}

std::vector<std::string> ReadPhraseStopWords(const std::string& path, const ControlFileFault& fault) {
    std::vector<std::string> words;
    const OwnedTblFile table = OpenControlFile(path);
    if (!table) return words;
    while (ReadControlRecord(table.get()) == ControlRecordRead::Record) {
        TblField field{};
        while (TblGetField(table.get(), &field) != 0) {
            bool hasText = field.type == TblFieldString || field.type == TblFieldWord;
            const std::unique_ptr<char, void (*)(void*)> taken(hasText ? field.value.text : nullptr, ErrFree);
            std::string text = taken ? taken.get() : "";
            if (field.type != TblFieldString) {
                fault("No stopword in stopwords.tbl");
            } else if (!IsUsableStopWord(text)) {
                fault("Blank stopword in phrasestop1.tbl");
            } else {
                words.push_back(std::move(text));
            }
        }
    }
    return words;
}

const std::vector<std::string>& LoadPhraseStopWords(std::string_view controlFilesDir,
                                                    const ControlFileFault& fault) {
    static const std::vector<std::string> words =
        ReadPhraseStopWords(std::string(controlFilesDir) + "phrasestop1.tbl", fault);
    return words;
}
