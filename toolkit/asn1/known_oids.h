#pragma once
// Object identifiers of the carried contents the toolkit decodes through its type registry.

// 0 when the dotted text is, octet for octet, one of the known content identifiers; 1 otherwise (a null
// text included). No trimming and no numeric comparison: "1.2.840.10003.5.0101" is unknown.
int KivIsUnknownExternalOid(const char* text);
