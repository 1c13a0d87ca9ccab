#include "toolkit/external/kiv_convert_export_specification.h"

#include <memory>

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_composition.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external_content_types.h"

namespace export_specification_conversion {

namespace r = codec::records;

// The codec members of the destination types 1 to 8, in the order of kKivDestinationAddresses.
constexpr BerOctets* r::Destination::*kCodecAddresses[] = {
    &r::Destination::phoneNumber, &r::Destination::faxNumber,   &r::Destination::x400address,
    &r::Destination::emailAddress, &r::Destination::pagerNumber, &r::Destination::ftpAddress,
    &r::Destination::ftamAddress,  &r::Destination::printerAddress,
};

// ---- Towards the codec ----

void otherToCodec(r::DestinationOther* dst, const KivDestinationOther* src) {
    kivOptionalTextToCodec(&dst->vehicle, src->psVehicle);
    KivInternationalStringToCodec(&dst->destination, &src->sDestination);
}

void destinationToCodec(r::Destination* dst, const KivDestination* src) {
    const int32_t type = src->eDestinationType;
    if (type < DT_PhoneNumber || type > DT_Other) return;
    dst->choiceId = type - 1;
    if (type == DT_Other) {
        kivNewToCodec(&dst->other, src->uDestinationType.psOther.get(), otherToCodec);
        return;
    }
    kivNewToCodec(&(dst->*kCodecAddresses[type - 1]), (src->uDestinationType.*kKivDestinationAddresses[type - 1]).get(),
                  KivInternationalStringToCodec);
}

void toKeepToCodec(r::ExportSpecificationOriginPartToKeep* dst, const KivExpSpecToKeep* src) {
    KivNewCompSpecToCodec(&dst->composition, &src->sComposition);
    kivNewToCodec(&dst->exportDestination, &src->sExportDestination, destinationToCodec);
}

void requestToCodec(r::ExportSpecificationEsRequest* dst, const KivExpSpecRequest* src) {
    kivNewToCodec(&dst->toKeep, &src->sToKeep, toKeepToCodec);
}

void exportSpecificationResponseToCodec(r::ExportSpecificationTaskPackage* dst, const KivExpSpecResponse* src) {
    kivNewToCodec(&dst->originPart, &src->sOriginPart, toKeepToCodec);
}

// ---- From the codec ----

void otherFromCodec(KivDestinationOther* dst, const r::DestinationOther* src) {
    kivOptionalTextFromCodec(&dst->psVehicle, src->vehicle);
    KivInternationalStringFromCodec(&dst->sDestination, &src->destination);
}

void destinationFromCodec(KivDestination* dst, const r::Destination* src) {
    const int32_t choice = src->choiceId;
    if (choice < 0 || choice >= r::Destination::kAlternatives) return;
    dst->eDestinationType = choice + 1;
    if (choice == r::Destination::kOther) {
        kivNewFromCodec(&dst->uDestinationType.psOther, src->other, otherFromCodec);
        return;
    }
    kivNewFromCodec(&(dst->uDestinationType.*kKivDestinationAddresses[choice]), src->*kCodecAddresses[choice],
                    KivInternationalStringFromCodec);
}

void toKeepFromCodec(KivExpSpecToKeep* dst, const r::ExportSpecificationOriginPartToKeep* src) {
    if (src == nullptr) return;
    if (src->composition != nullptr) KivCompSpecFromCodec(&dst->sComposition, src->composition);
    if (src->exportDestination != nullptr) destinationFromCodec(&dst->sExportDestination, src->exportDestination);
}

void requestFromCodec(KivExpSpecRequest* dst, const r::ExportSpecificationEsRequest* src) {
    toKeepFromCodec(&dst->sToKeep, src->toKeep);
}

void exportSpecificationResponseFromCodec(KivExpSpecResponse* dst, const r::ExportSpecificationTaskPackage* src) {
    toKeepFromCodec(&dst->sOriginPart, src->originPart);
}

}  // namespace export_specification_conversion

void KivExpSpecToCodec(codec::records::ExportSpecification* dst, const KivExpSpecExtendedService* src) {
    using namespace export_specification_conversion;
    const auto& member = src->uExpSpecReqOrRsp;
    switch (src->eExpSpecReqOrRsp) {
        case ESROR_Request:
            dst->choiceId = r::ExportSpecification::kEsRequest;
            kivNewToCodec(&dst->esRequest, member.psExpSpecRequest.get(), requestToCodec);
            break;
        case ESROR_Response:
            dst->choiceId = r::ExportSpecification::kTaskPackage;
            kivNewToCodec(&dst->taskPackage, member.psExpSpecResponse.get(), exportSpecificationResponseToCodec);
            break;
        default:
            break;
    }
}

void KivExpSpecFromCodec(KivExpSpecExtendedService* dst, const codec::records::ExportSpecification* src) {
    using namespace export_specification_conversion;
    auto& member = dst->uExpSpecReqOrRsp;
    switch (src->choiceId) {
        case r::ExportSpecification::kEsRequest:
            dst->eExpSpecReqOrRsp = ESROR_Request;
            kivNewFromCodec(&member.psExpSpecRequest, src->esRequest, requestFromCodec);
            break;
        case r::ExportSpecification::kTaskPackage:
            dst->eExpSpecReqOrRsp = ESROR_Response;
            kivNewFromCodec(&member.psExpSpecResponse, src->taskPackage, exportSpecificationResponseFromCodec);
            break;
        default:
            dst->eExpSpecReqOrRsp = ESROR_Invalid;
            break;
    }
}

void KivExpSpecExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivExpSpecExtendedService* package = src->uASN1.psExpSpecExtendedService.get();
    if (package == nullptr) return;
    KivExpSpecToCodec(kivNewContentValue<codec::records::ExportSpecification>(dst), package);
}

void KivExpSpecExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_ExportSpecification;
    kivFromCodec([&] { dst->uASN1.psExpSpecExtendedService = std::make_unique<KivExpSpecExtendedService>(); });
    KivExpSpecFromCodec(dst->uASN1.psExpSpecExtendedService.get(),
                        &kivContentValue<codec::records::ExportSpecification>(src));
}
