#pragma once
// The search terms: words of the sample catalogue's titles and subject headings (data/vocabulary.py), common
// and rare ones, so that hit counts range from a handful to a large part of the catalogue.

#include <span>
#include <string_view>

std::span<const std::string_view> loadClientWords();
