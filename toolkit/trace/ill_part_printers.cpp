#include "toolkit/trace/ill_part_printers.h"

#include "toolkit/trace/value_printers.h"

namespace trace::ill {

const EnumName kApduTypes[21] = {
    {IAT_IllRequest, "IAT_IllRequest"},
    {IAT_ForwardNotification, "IAT_ForwardNotification"},
    {IAT_Shipped, "IAT_Shipped"},
    {IAT_IllAnswer, "IAT_IllAnswer"},
    {IAT_ConditionalReply, "IAT_ConditionalReply"},
    {IAT_Cancel, "IAT_Cancel"},
    {IAT_CancelReply, "IAT_CancelReply"},
    {IAT_Received, "IAT_Received"},
    {IAT_Recall, "IAT_Recall"},
    {IAT_Returned, "IAT_Returned"},
    {IAT_CheckedIn, "IAT_CheckedIn"},
    {IAT_Overdue, "IAT_Overdue"},
    {IAT_Renew, "IAT_Renew"},
    {IAT_RenewAnswer, "IAT_RenewAnswer"},
    {IAT_Lost, "IAT_Lost"},
    {IAT_Damaged, "IAT_Damaged"},
    {IAT_Message, "IAT_Message"},
    {IAT_StatusQuery, "IAT_StatusQuery"},
    {IAT_StatusOrErrorReport, "IAT_StatusOrErrorReport"},
    {IAT_Expired, "IAT_Expired"},
    {IAT_Invalid, "IAT_Invalid"},
};

const EnumName kCurrentStates[19] = {
    {CS_NotSupplied, "CS_NotSupplied"},
    {CS_Pending, "CS_Pending"},
    {CS_InProcess, "CS_InProcess"},
    {CS_Forward, "CS_Forward"},
    {CS_Conditional, "CS_Conditional"},
    {CS_CancelPending, "CS_CancelPending"},
    {CS_Cancelled, "CS_Cancelled"},
    {CS_Shipped, "CS_Shipped"},
    {CS_Received, "CS_Received"},
    {CS_RenewPending, "CS_RenewPending"},
    {CS_NotReceivedOverdue, "CS_NotReceivedOverdue"},
    {CS_RenewOverdue, "CS_RenewOverdue"},
    {CS_Overdue, "CS_Overdue"},
    {CS_Returned, "CS_Returned"},
    {CS_CheckedIn, "CS_CheckedIn"},
    {CS_Recall, "CS_Recall"},
    {CS_Lost, "CS_Lost"},
    {CS_Unknown, "CS_Unknown"},
    {CS_Invalid, "CS_Invalid"},
};

const EnumName kMostRecentServices[22] = {
    {MRS_IllRequest, "MRS_IllRequest"},
    {MRS_ForwardNotification, "MRS_ForwardNotification"},
    {MRS_Shipped, "MRS_Shipped"},
    {MRS_IllAnswer, "MRS_IllAnswer"},
    {MRS_ConditionalReply, "MRS_ConditionalReply"},
    {MRS_Cancel, "MRS_Cancel"},
    {MRS_CancelReply, "MRS_CancelReply"},
    {MRS_Received, "MRS_Received"},
    {MRS_Recall, "MRS_Recall"},
    {MRS_Returned, "MRS_Returned"},
    {MRS_CheckedIn, "MRS_CheckedIn"},
    {MRS_Overdue, "MRS_Overdue"},
    {MRS_Renew, "MRS_Renew"},
    {MRS_RenewAnswer, "MRS_RenewAnswer"},
    {MRS_Lost, "MRS_Lost"},
    {MRS_Damaged, "MRS_Damaged"},
    {MRS_Message, "MRS_Message"},
    {MRS_StatusQuery, "MRS_StatusQuery"},
    {MRS_StatusOrErrorReport, "MRS_StatusOrErrorReport"},
    {MRS_Expired, "MRS_Expired"},
    {MRS_Forward, "MRS_Forward"},
    {MRS_Invalid, "MRS_Invalid"},
};

namespace {

constexpr EnumName kProtocolVersions[] = {
    {PV_Version1, "PV_Version1"},
    {PV_Version2, "PV_Version2"},
    {PV_Invalid, "PV_Invalid"},
};
constexpr EnumName kSymbolTypes[] = {
    {SPI_PersonSymbol, "SPI_PersonSymbol"},
    {SPI_InstitutionSymbol, "SPI_InstitutionSymbol"},
};
constexpr EnumName kNameTypes[] = {
    {NPI_NameOfPerson, "NPI_NameOfPerson"},
    {NPI_NameOfInstitution, "NPI_NameOfInstitution"},
};

void printDateTime(std::FILE* file, const KivDateTime& dateTime) {
    printLabelledText(file, "\npcDate: ", dateTime.pcDate);
    printLabelledText(file, "pcTime: ", dateTime.pcTime);
}

void printSymbol(std::FILE* file, const KivPersonOrInstitutionSymbol& symbol) {
    std::fputs("\neSymbolType: ", file);
    printEnumName(file, symbol.eSymbolType, kSymbolTypes);
    std::fputs("sSymbol: ", file);
    printIllString(file, symbol.sSymbol);
}

void printTransactionId(std::FILE* file, const KivTransactionId& id) {
    printOptional(file, "\npsInitialRequesterId: ", id.psInitialRequesterId.get(), printSystemId);
    std::fputs("sTransactionGroupQualifier: ", file);
    printIllString(file, id.sTransactionGroupQualifier);
    std::fputs("sTransactionQualifier: ", file);
    printIllString(file, id.sTransactionQualifier);
    printOptionalIllString(file, "psSubTransactionQualifier: ", id.psSubTransactionQualifier);
}

}  // namespace

void printIllString(std::FILE* file, const KivIllString& string) {
    switch (string.eStringType) {
        case ST_GeneralString:
            std::fputs("ST_GeneralString: ", file);
            KivPrintInternationalString(file, string.uString.psGeneralString.get());
            break;
        case ST_EdifactString:
            std::fputs("ST_EdifactString: ", file);
            printTextLine(file, string.uString.pcVisibleString);
            break;
        default:
            break;
    }
}

void printOptionalIllString(std::FILE* file, const char* label, const std::unique_ptr<KivIllString>& string) {
    printOptional(file, label, string.get(), printIllString);
}

void printName(std::FILE* file, const KivNameOfPersonOrInstitution& name) {
    std::fputs("eNameType: ", file);
    printEnumName(file, name.eNameType, kNameTypes);
    std::fputs("sName: ", file);
    printIllString(file, name.sName);
}

void printSystemId(std::FILE* file, const KivSystemId& id) {
    printOptional(file, "\npsSymbol: ", id.psSymbol.get(), printSymbol);
    printOptional(file, "psName: ", id.psName.get(), printName);
}

void printSystemAddress(std::FILE* file, const KivSystemAddress& address) {
    printOptionalIllString(file, "\npsTelecomServiceIdentifier: ", address.psTelecomServiceIdentifier);
    printOptionalIllString(file, "psTelecomServiceAddress: ", address.psTelecomServiceAddress);
}

void printLabelledText(std::FILE* file, const char* label, const std::optional<std::string>& text) {
    std::fputs(label, file);
    printTextLine(file, text);
}

void printApduLead(std::FILE* file, int32_t eProtocolVersion, const KivTransactionId& transactionId,
                   const KivServiceDateTime& serviceDateTime, const KivSystemId* requesterId,
                   const KivSystemId* responderId) {
    std::fputs("eProtocolVersion: ", file);
    printEnumName(file, eProtocolVersion, kProtocolVersions);
    std::fputs("sTransactionId: ", file);
    printTransactionId(file, transactionId);
    std::fputs("sServiceDateTime: sThisService: ", file);
    printDateTime(file, serviceDateTime.sThisService);
    printOptional(file, "psOriginalService: ", serviceDateTime.psOriginalService.get(), printDateTime);
    printOptional(file, "psRequesterId: ", requesterId, printSystemId);
    printOptional(file, "psResponderId: ", responderId, printSystemId);
}

}  // namespace trace::ill
