#pragma once
// The look-ups of the search engine on the search definitions: the definition for an attribute set and a
// database, the attribute mapping for one operand's attributes, and the key a mapping's statements select.

#include <cstdint>

#include "Quorvane/config/control_file.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/search_definitions.h"
#include "toolkit/api/kiv_attributes.h"

inline constexpr const char* kBib1AttributeSet = "1.2.840.10003.3.1";

struct DefinitionLookup {
    const SearchDefinition* definition = nullptr;  // the answer; none on failure
    // What the session keeps as its current definition afterwards: the first definition of the attribute
    // set, or the later one that was the answer; none when no definition has the attribute set.
    const SearchDefinition* current = nullptr;
    Bib1Outcome outcome;  // kConditionUnsupportedAttributeSet or kConditionDatabaseUnknown on failure
};

// The first definition, in file order, of the attribute set (identifier compared exactly) answers when it
// lists the database name or "DEFAULT"; otherwise the first later definition of the attribute set that lists
// the name itself. No definition of the attribute set: kConditionUnsupportedAttributeSet; none that serves
// the database: kConditionDatabaseUnknown. The database name is compared exactly (the definitions hold upper
// case).
DefinitionLookup FindSearchDefinition(const DefinitionBlocks<SearchDefinition>& definitions,
                                      const std::string& attributeSetId, const std::string& databaseName);

struct MappingLookup {
    const AttributeMapping* mapping = nullptr;
    const KeyDefinition* key = nullptr;  // KeyForMapping of the mapping
    // kConditionUnsupportedAttributeType when an element's value is not numeric (set even when a mapping
    // was found), or when there is no use attribute; kConditionUnsupportedUseAttribute when no mapping
    // accepts the attributes.
    Bib1Outcome outcome;
};

// The six values of the numeric elements of types 1 to 6 (a later element of a type replaces an earlier
// one; defaultUse for a missing use) pick the first mapping of the definition that MatchAttributeMapping
// accepts.
MappingLookup FindAttributeMapping(const SearchDefinition& definition,
                                   const KivArray<KivAttributeElement>& elements, int32_t wordCount,
                                   int32_t defaultUse = 0);

// Whether the mapping accepts the request's values for a term of wordCount words: a WORDLIST mapping
// (not WORDLISTD) only its own number of words; a mapping written with a bare use value every request
// with that use; a combination every request that agrees with its non-zero numbers.
bool MatchAttributeMapping(const AttributeCombination& request, int32_t wordCount,
                           const AttributeMapping& mapping);

// The first key whose table equals the mapping's from-part cut at its first ','; else the last key; none
// for a definition without keys.
const KeyDefinition* KeyForMapping(const SearchDefinition& definition, const AttributeMapping& mapping);
