#pragma once
// The Close APDU between the programming interface's KivClose and the codec's Close.

#include <memory>

#include "toolkit/api/kiv_close.h"
#include "toolkit/codec/z3950/apdu_two.h"

// Fills the codec Close from a validated KivClose: referenceId, closeReason, diagnosticInformation,
// resourceReportFormat, resourceReport (a new EXTERNAL) and otherInfo (a new list), each when set. A failed
// allocation throws KivConversionError{-27}; what was built stays linked to dst.
void siCloseToCodec(codec::z3950::Close* dst, const KivClose* src);

// A new KivClose in *dst from a received Close: psReferenceId and pcResourceReportFormat when their length is
// not 0, eCloseReason 0 to 9 copied and any other value CR_Invalid, psDiagnosticInformation,
// psResourceReport and ppsOtherInformation when present. A failed allocation throws KivConversionError{-1}.
void siCloseFromCodec(std::unique_ptr<KivClose>* dst, const codec::z3950::Close* src);
