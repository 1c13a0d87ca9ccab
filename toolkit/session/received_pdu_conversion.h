#pragma once
// The conversion of a decoded request (or Close, or access-control, resource-control or trigger APDU) into
// the programming-interface record that a target receives.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_target_pdu.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/util/si_error.h"

// Fills the body of *target from the decoded APDU. The caller has set target->ePduType to the type the APDU
// is delivered as (TPT_InitializeReq ... TPT_ExtendedServicesReq, TPT_CloseReq or TPT_CloseRsp as the
// association's state decides, TPT_AccessControlRsp ... TPT_TriggerResourceControlReq); the conversion
// allocates the member that ePduType selects and fills it from the codec structure, which it only reads:
// the caller frees it. For a type it has no rule for, it sets ePduType to TPT_InvalidApdu and leaves the
// body empty; the caller then delivers the APDU's octets as an invalid APDU.
// 0 when done; 1 when memory ran out, with error 75 "Out of memory" (SI_Interface_Error, the association id,
// Association_Open) reported and what was built left in *target for the caller to free.
int siConvertReceivedPdu(KivAssocId assocId, codec::z3950::PDU* pdu, KivTargetPdu* target, SIError** error);
