#pragma once
// The APDUs of the load client, built and read with the generated codec: Init, a type-1 Search into the
// result set "default", and a Present of its first records in USMARC (element set F).

#include <cstdint>
#include <string>
#include <vector>

#include "bench/load_client_queries.h"

using ApduOctets = std::vector<uint8_t>;

ApduOctets initRequestApdu();
ApduOctets searchRequestApdu(const std::string& database, const QueryNode& query);
ApduOctets presentRequestApdu(int32_t count);

// What the client keeps of a response. A diagnostic reads "condition: addinfo" (bib-1 conditions);
// "" when there is none.
struct InitOutcome {
    bool accepted = false;
    std::string implementation;
};

struct SearchOutcome {
    bool success = false;
    int32_t resultCount = 0;
    std::string diagnostic;
};

struct PresentOutcome {
    int32_t presentStatus = 0;  // 0 success; 1 to 4 partial; 5 failure
    int32_t records = 0;        // retrieval records received
    int32_t surrogates = 0;     // surrogate diagnostics in place of records
    int32_t badMarc = 0;        // records whose leader does not match their octets
    int64_t recordOctets = 0;
    std::string diagnostic;
};

// Each decodes one whole APDU; a malformed APDU or an APDU of another kind (a Close included) throws
// std::runtime_error.
InitOutcome readInitResponse(const ApduOctets& apdu);
SearchOutcome readSearchResponse(const ApduOctets& apdu);
PresentOutcome readPresentResponse(const ApduOctets& apdu);
