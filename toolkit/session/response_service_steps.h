#pragma once
// The steps that every target response call shares, around the parts that are the call's own: its record's
// check, its target event, its PDU block and its conversion into the codec APDU.

#include <functional>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/util/si_error.h"

struct SIResponseSteps {
    const char* name;                     // the call's name in the entry and exit lines
    std::function<int(SIError**)> check;  // 1 after reporting the record's first fault
    std::function<int()> event;           // the target event: asked of a valid record, then applied
    std::function<void()> trace;          // the record's PDU block
    std::function<void(codec::z3950::PDU*)> toCodec;  // the APDU's choice and a new alternative
};

// Writes the entry lines, then: checks the record; applies the event (refused: error 80 or 81); checks the
// association (error 3 or 4); writes "\nSending the following PDU:\n" (Trace_High) and the PDU block;
// converts the record (memory running out: error 75, nothing sent, the event already applied); sends the
// APDU (SISendPdu: a failed write aborts and forgets the association). The first failure ends the steps.
// Then the exit lines with the result. SI_OK when the APDU was sent.
SIResult siRespond(KivAssocId assocId, const SIResponseSteps& steps, SIError** error);
