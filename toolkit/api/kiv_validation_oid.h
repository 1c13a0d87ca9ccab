#pragma once
// Object-identifier texts in dotted decimal form ("1.2.840.10003.5.10"), as validation accepts them.

#include <cstddef>

#include "toolkit/api/kiv_validation_text.h"

// Texts of this many characters or more are refused.
inline constexpr size_t kKivOidTextMaxChars = 999;

// 0 when the text is a dotted-decimal object identifier: arcs "0" or digits without a leading zero, each at
// most 4294967295, separated by dots, in fewer than 999 characters. 1 otherwise (absent, empty, "01.2",
// "1.", "1..2", ".1", "-1", "1.4294967296"). One arc alone ("1") passes. The tokens are counted as the
// original reader counted them, so a few texts with doubled or leading dots and a final dot pass as well
// (".1.", "0..0.").
int KivIsInvalidOidText(KivTextView text);

// 1 when the text is absent or KivIsInvalidOidText gives 1; one routine per kind of field: EXTERNAL,
// schema and record-syntax identifiers; attribute-set identifiers; resource-report formats; any other.
int KivIsInvalidObjectIdentifier(KivTextView text);
int KivIsInvalidAttributeSetId(KivTextView text);
int KivIsInvalidResourceReportFormat(KivTextView text);
int KivIsInvalidOidValue(KivTextView text);

// 1 when the text is absent or none of the identifiers of the known EXTERNAL content types.
int KivIsUnknownExternalOidValue(KivTextView text);

// 1 when the text is absent or would be encoded as an empty object identifier: it names fewer than two
// arcs as the encoder reads them ("1", ".1."). A field that is encoded refuses such a text with error 73
// on top of the syntax check.
int KivIsUnencodableOidText(KivTextView text);
