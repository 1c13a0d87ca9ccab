#pragma once
// A scratch directory in which a test writes search.tblx texts and reads them as search definitions.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Quorvane/search/search_definitions.h"
#include "Quorvane/search/search_definitions_reader.h"
#include "tests/server/scratch_dir.h"

// A block head for mappings: every database, bib-1, individual; the keys of the titles, serials (with a
// secondary column) and word tables; the stop words THE and OF.
inline constexpr const char* kBlockHead =
    "DATABASES,\"DEFAULT\";\n"
    "ATTRIBUTESETS,\"1.2.840.10003.3.1\";\n"
    "INDIVIDUAL;\n"
    "CODEDITEMS,100;\n"
    "KEYS,\"TITLES.TITLE_NO\",NUMERIC,\"SERIALS.TITLE_NO\",PADLZ8,"
    "SECONDARY,\"SERIALS.FREQUENCY\",\"XXFREQUENCYXX\",\"WORDS.TITLE_NO\",NUMERIC;\n"
    "STOPWORDS,\" THE \",\" OF \";\n"
    "ATTRIBUTES;\n";

class SearchFileTest : public ScratchDirTest {
  protected:
    // Reads the text as search.tblx; the definitions live until the test ends or the next load. Null when
    // the reading gave none.
    const DefinitionBlocks<SearchDefinition>* load(const std::string& text) {
        writeFile(kSearchFileName, text);
        definitions_ = LoadSearchDefinitions(path(kSearchFileName));
        return definitions_ ? &definitions_ : nullptr;
    }

    // The n-th definition (from 0) of the definitions loaded last.
    SearchDefinition& definition(int n = 0) { return definitions_->at(static_cast<std::size_t>(n)); }

  private:
    DefinitionBlocks<SearchDefinition> definitions_;
};
