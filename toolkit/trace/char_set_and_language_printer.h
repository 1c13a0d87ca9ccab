#pragma once
// The printer of a character-set and language negotiation record carried in an EXTERNAL: the proposal or
// the response, with every character set down to its ISO 2022 numbers.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

struct KivCharSetAndLanguage;

// "\tpsCharSetAndLanguage:" and the record of the EXTERNAL's single-ASN.1-type holder; nothing more when it
// is absent.
void KivPrintCharSetAndLanguageContent(std::FILE* file, const KivExternal* psExternal);
// The record; "psCharSetAndLanguage: NULL" when it is absent.
void KivPrintCharSetAndLanguage(std::FILE* file, const KivCharSetAndLanguage* psCharSetAndLanguage);
