#pragma once
// Forward declarations of the programming-interface structures. The structure headers name one another
// through owning pointers and arrays, which need no complete type; only embedded members do.

// Basic values, units, EXTERNAL and OtherInformation.
struct KivOctets;
struct KivInternationalString;
struct KivStringOrNumeric;
struct KivUnit;
struct KivIntUnit;
struct KivExternal;
struct KivArbitrary;
struct KivSingleASN1Type;
struct KivOtherInformation;
struct KivInfoCategory;

// Records and diagnostics.
struct KivRecords;
struct KivResponseRecord;
struct KivFragmentSyntax;
struct KivDiagRec;
struct KivDefaultDiagFormat;
struct KivAdditionalInfo;

// Attributes, terms and queries.
struct KivAttributeElement;
struct KivAttributeValue;
struct KivComplexValue;
struct KivAttributesPlusTerm;
struct KivTerm;
struct KivQuery;
struct KivRPNQuery;
struct KivRpnStructure;
struct KivRpnLopRopOperator;
struct KivOperator;
struct KivProximityOperator;
struct KivProximityUnitCode;
struct KivRpnOperand;
struct KivResultSetPlusAttributes;
struct KivSQLQuery;

// Element-set names, record composition, ranges and permissions.
struct KivElementSetNames;
struct KivElementSetsDbSpecific;
struct KivRecordComposition;
struct KivCompSpec;
struct KivDbSpecific;
struct KivSpecification;
struct KivElementSpec;
struct KivRange;
struct KivPermissions;

// APDUs and their own sub-structures.
struct KivInitializeReq;
struct KivInitializeRsp;
struct KivIdAuthentication;
struct KivIdPass;
struct KivSearchReq;
struct KivSearchRsp;
struct KivPresentReq;
struct KivPresentRsp;
struct KivSegmentReq;
struct KivDeleteResultSetReq;
struct KivDeleteResultSetRsp;
struct KivListStatus;
struct KivScanReq;
struct KivScanRsp;
struct KivListEntries;
struct KivEntry;
struct KivTermInfo;
struct KivOccurrenceByAttributes;
struct KivOccurrence;
struct KivOccurrenceByDb;
struct KivResourceReportReq;
struct KivResourceReportRsp;
struct KivSortReq;
struct KivSortRsp;
struct KivSortKeySpec;
struct KivSortElement;
struct KivSortDbSpecific;
struct KivSortKey;
struct KivSortAttributes;
struct KivMVAction;
struct KivExtendedServicesReq;
struct KivExtendedServicesRsp;
struct KivClose;
struct KivAccessControlReq;
struct KivAccessControlRsp;
struct KivSecurityChallengeReq;
struct KivSecurityChallengeRsp;
struct KivResourceControlReq;
struct KivResourceControlRsp;
struct KivTriggerResourceControlReq;

// Received-APDU records.
struct KivTargetPdu;
struct KivOriginPdu;
struct KivInvalidAPDU;

// Carried contents of a single-ASN1-type EXTERNAL.
struct KivOpacRecord;
struct KivHoldingsRecord;
struct KivHoldingsAndCirc;
struct KivVolume;
struct KivCircRecord;
struct KivSummaryRecord;
struct KivFormatSpec;
struct KivResourceReport1;
struct KivEstimate1;
struct KivResourceReport2;
struct KivEstimate2;
struct KivEsTaskPackage;
struct KivUpdateExtendedService;
struct KivUpdateRequest;
struct KivUpdateResponse;
struct KivUpdateOriginPartToKeep;
struct KivSuppliedRecord;
struct KivUpdtRecordId;
struct KivUpdtSupplementalId;
struct KivCorrelationInfo;
struct KivUpdateTargetPart;
struct KivTaskPackageRecord;
struct KivUpdtRecordOrDiag;
