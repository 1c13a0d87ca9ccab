#include "toolkit/external/kiv_convert_private_services.h"

#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_composition.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_private_services.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/codec/extensions/sil.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_carried_members.h"
#include "toolkit/external/kiv_carried_records.h"

namespace ext = codec::extensions;
using codec::z3950::Range;

namespace {

// eRecordCompositionType: element-set names or a CompSpec.
constexpr int32_t kElementSetNames = 1;
constexpr int32_t kCompSpec = 2;

// ---- Towards the codec ----

void KivCopyPairToCodec(Range* dst, const KivRange& src) {
    dst->startingPosition = static_cast<BerInteger>(src.ulStartingPosition);
    dst->numberOfRecords = static_cast<BerInteger>(src.ulNumberOfRecords);
}

// Either record-composition type of the Print references: element-set names to simple, comp spec to
// complex; a selector out of range leaves the composition absent.
template <typename Composition>
void recordCompositionToCodec(Composition** dst, const KivRecordComposition* src) {
    if (src == nullptr) return;
    const auto& chosen = src->uRecordComposition;
    if (src->eRecordCompositionType == kElementSetNames) {
        *dst = kivNewCodecRecord<Composition>();
        (*dst)->choiceId = Composition::kSimple;
        if (chosen.psElementSetNames) {
            (*dst)->simple = kivNewCodecRecord<codec::z3950::ElementSetNames>();
            KivElementSetNamesToCodec((*dst)->simple, chosen.psElementSetNames.get());
        }
    } else if (src->eRecordCompositionType == kCompSpec) {
        *dst = kivNewCodecRecord<Composition>();
        (*dst)->choiceId = Composition::kComplex;
        if (chosen.psCompSpec) KivNewCompSpecToCodec(&(*dst)->complex, chosen.psCompSpec.get());
    }
}

void privateAddressToCodec(ext::Address* dst, const KivAddress& src) {
    KivInternationalStringToCodec(&dst->postalAddress, &src.sPostalAddress);
    KivInternationalStringToCodec(&dst->emailAddress, src.psEmailAddress.get());
}

void resultSetReferenceToCodec(ext::ResultSetReference* dst, const KivResultSetReference& src) {
    KivInternationalStringToCodec(&dst->resultSetId, &src.sResultSetId);
    dst->resultSetStartPoint = static_cast<BerInteger>(src.ulResultSetStartPoint);
    dst->numberOfRecordsRequested = static_cast<BerInteger>(src.ulNumberOfRecordsRequested);
    KivOptionalArrayToCodec<Range>(&dst->additionalRanges, src.ppsAdditionalRanges, KivCopyPairToCodec);
    recordCompositionToCodec(&dst->recordComposition, src.psRecordComposition.get());
    dst->address = kivNewCodecRecord<ext::Address>();
    privateAddressToCodec(dst->address, src.sAddress);
}

void accessionReferenceToCodec(ext::AccessionReference* dst, const KivAccessionReference& src) {
    KivInternationalStringToCodec(&dst->referenceid, &src.sReferenceId);
    recordCompositionToCodec(&dst->recordComposition, src.psRecordComposition.get());
    dst->address = kivNewCodecRecord<ext::Address>();
    privateAddressToCodec(dst->address, src.sAddress);
}

void createOptionToCodec(ext::PrintCreateOption* dst, const KivCreateOption& src) {
    const auto& chosen = src.uCreateOption;
    if (src.eCreateOptionType == COPT_ResultSetReference) {
        dst->choiceId = ext::PrintCreateOption::kResultSetReference;
        kivOptionalRecordToCodec(&dst->resultSetReference, chosen.psResultSetReference.get(),
                                 resultSetReferenceToCodec);
    } else {
        dst->choiceId = ext::PrintCreateOption::kAccessionReference;
        kivOptionalRecordToCodec(&dst->accessionReference, chosen.psAccessionReference.get(),
                                 accessionReferenceToCodec);
    }
}

// A selector out of range leaves the origin part absent.
void printOriginPartToCodec(ext::PrintOriginPartToKeep** dst, const KivPrintOriginPartToKeep* src) {
    if (src == nullptr) return;
    const auto& chosen = src->uPrintOriginPartToKeep;
    if (src->ePrintOriginPartToKeepType == POPKT_Create) {
        *dst = kivNewCodecRecord<ext::PrintOriginPartToKeep>();
        (*dst)->choiceId = ext::PrintOriginPartToKeep::kCreateOption;
        kivOptionalRecordToCodec(&(*dst)->createOption, chosen.psCreateOption.get(), createOptionToCodec);
    } else if (src->ePrintOriginPartToKeepType == POPKT_Delete) {
        *dst = kivNewCodecRecord<ext::PrintOriginPartToKeep>();
        (*dst)->choiceId = ext::PrintOriginPartToKeep::kDeleteOption;
        kivOptionalRecordToCodec(&(*dst)->deleteOption, chosen.psDeleteOption.get(),
                                 [](ext::PrintDeleteOption* option, const KivDeleteOption& from) {
                                     KivInternationalStringToCodec(&option->jobReference,
                                                                   &from.sJobReference);
                                 });
    }
}

void alertOriginPartToCodec(ext::AlertOriginPartToKeep* dst, const KivAlertOriginPartToKeep& src) {
    KivInternationalStringToCodec(&dst->alertName, &src.sAlertName);
    kivOptionalRecordToCodec(&dst->address, src.psAddress.get(), privateAddressToCodec);
}

// ---- From the codec ----

template <typename Composition>
void recordCompositionFromCodec(std::unique_ptr<KivRecordComposition>* dst, const Composition* src) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<KivRecordComposition>(); });
    KivRecordComposition& composition = **dst;
    auto& chosen = composition.uRecordComposition;
    composition.eRecordCompositionType = kivSelectorOf(src->choiceId, Composition::kAlternatives);
    if (src->choiceId == Composition::kSimple && src->simple != nullptr) {
        kivFromCodec([&] { chosen.psElementSetNames = std::make_unique<KivElementSetNames>(); });
        KivElementSetNamesFromCodec(chosen.psElementSetNames.get(), src->simple);
    } else if (src->choiceId == Composition::kComplex && src->complex != nullptr) {
        kivFromCodec([&] { chosen.psCompSpec = std::make_unique<KivCompSpec>(); });
        KivCompSpecFromCodec(chosen.psCompSpec.get(), src->complex);
    }
}

void KivCopyPairFromCodec(KivRange* dst, const Range& src) {
    dst->ulStartingPosition = static_cast<uint32_t>(src.startingPosition);
    dst->ulNumberOfRecords = static_cast<uint32_t>(src.numberOfRecords);
}

void privateAddressFromCodec(KivAddress* dst, const ext::Address& src) {
    KivInternationalStringFromCodec(&dst->sPostalAddress, &src.postalAddress);
    if (src.emailAddress.length != 0)
        KivNewInternationalStringFromCodec(&dst->psEmailAddress, &src.emailAddress);
}

void embeddedAddressFromCodec(KivAddress* dst, const ext::Address* src) {
    if (src != nullptr) privateAddressFromCodec(dst, *src);
}

void resultSetReferenceFromCodec(KivResultSetReference* dst, const ext::ResultSetReference& src) {
    KivInternationalStringFromCodec(&dst->sResultSetId, &src.resultSetId);
    dst->ulResultSetStartPoint = static_cast<uint32_t>(src.resultSetStartPoint);
    dst->ulNumberOfRecordsRequested = static_cast<uint32_t>(src.numberOfRecordsRequested);
    KivOptionalArrayFromCodec<Range>(&dst->ppsAdditionalRanges, src.additionalRanges, KivCopyPairFromCodec);
    recordCompositionFromCodec(&dst->psRecordComposition, src.recordComposition);
    embeddedAddressFromCodec(&dst->sAddress, src.address);
}

void accessionReferenceFromCodec(KivAccessionReference* dst, const ext::AccessionReference& src) {
    KivInternationalStringFromCodec(&dst->sReferenceId, &src.referenceid);
    recordCompositionFromCodec(&dst->psRecordComposition, src.recordComposition);
    embeddedAddressFromCodec(&dst->sAddress, src.address);
}

void createOptionFromCodec(KivCreateOption* dst, const ext::PrintCreateOption& src) {
    auto& chosen = dst->uCreateOption;
    dst->eCreateOptionType = kivSelectorOf(src.choiceId, ext::PrintCreateOption::kAlternatives);
    if (src.choiceId == ext::PrintCreateOption::kResultSetReference) {
        kivOptionalRecordFromCodec(&chosen.psResultSetReference, src.resultSetReference,
                                   resultSetReferenceFromCodec);
    } else if (src.choiceId == ext::PrintCreateOption::kAccessionReference) {
        kivOptionalRecordFromCodec(&chosen.psAccessionReference, src.accessionReference,
                                   accessionReferenceFromCodec);
    }
}

void printOriginPartFromCodec(KivPrintOriginPartToKeep* dst, const ext::PrintOriginPartToKeep& src) {
    auto& chosen = dst->uPrintOriginPartToKeep;
    dst->ePrintOriginPartToKeepType = kivSelectorOf(src.choiceId, ext::PrintOriginPartToKeep::kAlternatives);
    if (src.choiceId == ext::PrintOriginPartToKeep::kCreateOption) {
        kivOptionalRecordFromCodec(&chosen.psCreateOption, src.createOption, createOptionFromCodec);
    } else if (src.choiceId == ext::PrintOriginPartToKeep::kDeleteOption) {
        kivOptionalRecordFromCodec(&chosen.psDeleteOption, src.deleteOption,
                                   [](KivDeleteOption* option, const ext::PrintDeleteOption& from) {
                                       KivInternationalStringFromCodec(&option->sJobReference,
                                                                       &from.jobReference);
                                   });
    }
}

void alertOriginPartFromCodec(KivAlertOriginPartToKeep* dst, const ext::AlertOriginPartToKeep& src) {
    KivInternationalStringFromCodec(&dst->sAlertName, &src.alertName);
    kivOptionalRecordFromCodec(&dst->psAddress, src.address, privateAddressFromCodec);
}

// The strings of a list the decoder always builds; a null list gives an empty array.
void stringListFromCodec(KivArray<KivInternationalString>* dst, const BerList* src) {
    kivFromCodec([&] { *dst = KivArray<KivInternationalString>::emptyArray(); });
    KivInternationalStringListFromCodec(dst, src);
}

}  // namespace

void KivPrintExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivPrintExtendedService* package = src->uASN1.psPrintExtendedService.get();
    if (package == nullptr) return;
    const auto& chosen = package->uPrintReqOrRsp;
    if (package->ePrintReqRsp == PROR_Request) {
        auto* holder = kivNewContentValue<ext::PrintExtendedService>(dst);
        holder->choiceId = ext::PrintExtendedService::kEsrequest;
        kivOptionalRecordToCodec(&holder->esrequest, chosen.psPrintRequest.get(),
                                 [](ext::PrintEsRequest* request, const KivPrintRequest& from) {
                                     printOriginPartToCodec(&request->tokeep, from.psOriginPartToKeep.get());
                                 });
    } else if (package->ePrintReqRsp == PROR_Response) {
        auto* holder = kivNewContentValue<ext::PrintExtendedService>(dst);
        holder->choiceId = ext::PrintExtendedService::kTaskPackage;
        kivOptionalRecordToCodec(&holder->taskPackage, chosen.psPrintResponse.get(),
                                 [](ext::PrintTaskPackage* response, const KivPrintResponse& from) {
                                     printOriginPartToCodec(&response->originPart,
                                                            from.psOriginPartToKeep.get());
                                     response->targetPart = kivNewCodecRecord<ext::PrintTargetPart>();
                                     KivInternationalStringToCodec(&response->targetPart->jobReference,
                                                                   &from.sTargetPart.sJobReference);
                                 });
    }
}

void KivAlertExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivAlertExtendedService* package = src->uASN1.psAlertExtendedService.get();
    if (package == nullptr) return;
    const auto& chosen = package->uAlertReqOrRsp;
    if (package->eAlertReqRsp == AROR_Request) {
        auto* holder = kivNewContentValue<ext::AlertExtendedService>(dst);
        holder->choiceId = ext::AlertExtendedService::kEsrequest;
        kivOptionalRecordToCodec(&holder->esrequest, chosen.psAlertRequest.get(),
                                 [](ext::AlertEsRequest* request, const KivAlertRequest& from) {
                                     kivOptionalRecordToCodec(&request->tokeep, from.psOriginPartToKeep.get(),
                                                              alertOriginPartToCodec);
                                 });
    } else if (package->eAlertReqRsp == AROR_Response) {
        auto* holder = kivNewContentValue<ext::AlertExtendedService>(dst);
        holder->choiceId = ext::AlertExtendedService::kTaskPackage;
        kivOptionalRecordToCodec(&holder->taskPackage, chosen.psAlertResponse.get(),
                                 [](ext::AlertTaskPackage* response, const KivAlertResponse& from) {
                                     kivOptionalRecordToCodec(&response->originPart,
                                                              from.psOriginPartToKeep.get(),
                                                              alertOriginPartToCodec);
                                 });
    }
}

void KivCOrderToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivCOrder* order = src->uASN1.psCOrder.get();
    if (order == nullptr) return;
    const auto& chosen = order->uCOrder;
    if (order->eCOrderType == COT_OrderRequest) {
        auto* holder = kivNewContentValue<ext::COrder>(dst);
        holder->choiceId = ext::COrder::kOrderRequest;
        const KivOrderRequest* request = chosen.psOrderRequest.get();
        if (request == nullptr) return;
        holder->orderRequest = kivNewCodecRecord<ext::OrderRequest>();
        if (request->eOrderRequestType == ORT_NormalOrder) {
            holder->orderRequest->choiceId = ext::OrderRequest::kNormalOrder;
            kivOptionalRecordToCodec(&holder->orderRequest->normalOrder,
                                     request->uOrderRequest.psNormalOrder.get(),
                                     [](ext::NormalOrder* normal, const KivNormalOrder& from) {
                                         KivOptionalArrayToCodec<Range>(
                                             &normal->orderRanges, from.ppsOrderRanges, KivCopyPairToCodec);
                                         normal->quantity = static_cast<BerInteger>(from.ulQuantity);
                                     });
        } else {
            holder->orderRequest->choiceId = ext::OrderRequest::kOrderRefs;
            KivOptionalInternationalStringListToCodec(&holder->orderRequest->orderRefs,
                                                      &request->uOrderRequest.ppsOrderRefs);
        }
    } else if (order->eCOrderType == COT_OrderResponse) {
        auto* holder = kivNewContentValue<ext::COrder>(dst);
        holder->choiceId = ext::COrder::kOrderResponse;
        KivOptionalInternationalStringListToCodec(&holder->orderResponse, &chosen.ppsOrderResponse);
    }
}

void KivPrintExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_Print;
    kivFromCodec([&] { dst->uASN1.psPrintExtendedService = std::make_unique<KivPrintExtendedService>(); });
    KivPrintExtendedService& package = *dst->uASN1.psPrintExtendedService;
    const auto* holder = static_cast<const ext::PrintExtendedService*>(src->value);
    if (holder == nullptr) return;
    auto& chosen = package.uPrintReqOrRsp;
    package.ePrintReqRsp = kivSelectorOf(holder->choiceId, ext::PrintExtendedService::kAlternatives);
    if (holder->choiceId == ext::PrintExtendedService::kEsrequest) {
        kivOptionalRecordFromCodec(&chosen.psPrintRequest, holder->esrequest,
                                   [](KivPrintRequest* request, const ext::PrintEsRequest& from) {
                                       kivOptionalRecordFromCodec(&request->psOriginPartToKeep, from.tokeep,
                                                                  printOriginPartFromCodec);
                                   });
    } else if (holder->choiceId == ext::PrintExtendedService::kTaskPackage) {
        kivOptionalRecordFromCodec(&chosen.psPrintResponse, holder->taskPackage,
                                   [](KivPrintResponse* response, const ext::PrintTaskPackage& from) {
                                       kivOptionalRecordFromCodec(&response->psOriginPartToKeep,
                                                                  from.originPart, printOriginPartFromCodec);
                                       if (from.targetPart != nullptr) {
                                           KivInternationalStringFromCodec(
                                               &response->sTargetPart.sJobReference,
                                               &from.targetPart->jobReference);
                                       }
                                   });
    }
}

void KivAlertExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_Alert;
    kivFromCodec([&] { dst->uASN1.psAlertExtendedService = std::make_unique<KivAlertExtendedService>(); });
    KivAlertExtendedService& package = *dst->uASN1.psAlertExtendedService;
    const auto* holder = static_cast<const ext::AlertExtendedService*>(src->value);
    if (holder == nullptr) return;
    auto& chosen = package.uAlertReqOrRsp;
    package.eAlertReqRsp = kivSelectorOf(holder->choiceId, ext::AlertExtendedService::kAlternatives);
    if (holder->choiceId == ext::AlertExtendedService::kEsrequest) {
        kivOptionalRecordFromCodec(&chosen.psAlertRequest, holder->esrequest,
                                   [](KivAlertRequest* request, const ext::AlertEsRequest& from) {
                                       kivOptionalRecordFromCodec(&request->psOriginPartToKeep, from.tokeep,
                                                                  alertOriginPartFromCodec);
                                   });
    } else if (holder->choiceId == ext::AlertExtendedService::kTaskPackage) {
        kivOptionalRecordFromCodec(&chosen.psAlertResponse, holder->taskPackage,
                                   [](KivAlertResponse* response, const ext::AlertTaskPackage& from) {
                                       kivOptionalRecordFromCodec(&response->psOriginPartToKeep,
                                                                  from.originPart, alertOriginPartFromCodec);
                                   });
    }
}

void KivCOrderFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_Corder;
    kivFromCodec([&] { dst->uASN1.psCOrder = std::make_unique<KivCOrder>(); });
    KivCOrder& order = *dst->uASN1.psCOrder;
    const auto* holder = static_cast<const ext::COrder*>(src->value);
    if (holder == nullptr) return;
    auto& chosen = order.uCOrder;
    order.eCOrderType = kivSelectorOf(holder->choiceId, ext::COrder::kAlternatives);
    if (holder->choiceId == ext::COrder::kOrderRequest) {
        kivOptionalRecordFromCodec(
            &chosen.psOrderRequest, holder->orderRequest,
            [](KivOrderRequest* request, const ext::OrderRequest& from) {
                auto& member = request->uOrderRequest;
                request->eOrderRequestType = kivSelectorOf(from.choiceId, ext::OrderRequest::kAlternatives);
                if (from.choiceId == ext::OrderRequest::kNormalOrder) {
                    kivOptionalRecordFromCodec(&member.psNormalOrder, from.normalOrder,
                                               [](KivNormalOrder* normal, const ext::NormalOrder& order) {
                                                   KivArrayFromCodec<Range>(&normal->ppsOrderRanges,
                                                                            order.orderRanges,
                                                                            KivCopyPairFromCodec);
                                                   normal->ulQuantity = static_cast<uint32_t>(order.quantity);
                                               });
                } else if (from.choiceId == ext::OrderRequest::kOrderRefs) {
                    stringListFromCodec(&member.ppsOrderRefs, from.orderRefs);
                }
            });
    } else if (holder->choiceId == ext::COrder::kOrderResponse) {
        stringListFromCodec(&chosen.ppsOrderResponse, holder->orderResponse);
    }
}
