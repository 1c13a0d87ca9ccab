#pragma once
// OPAC holdings: the HLD fields of a built MARC record become holdings-and-circulation records.
//
// HLD subfields: a barcode (item id), b call number, c local location, d temporary location, e format,
// f reserves, g on loan, h available date, i for loan, j on order; other codes are ignored.

#include <string>

#include "toolkit/api/kiv_opac_record.h"

// The holdings records of the record's HLD fields, in directory order, each of kind HRT_HoldingsAndCirc:
// b, c and e give psCallNumber, psLocalLocation and psFormat; any of a, d, f, g, h, i, j gives one
// circulation record (fAvailableNow when g and j begin with 'N' and i with 'Y'; psRestrictions "ON ORDER"
// when j begins with 'Y', else "NOT FOR LOAN" when i begins with 'N'; fOnHold when f begins with a
// character above '0'; a, d, h as item id, temporary location and availability date).
// The record is rewritten without its HLD fields (record length and base address "%05ld"). An absent
// array, and the record untouched, when it has no HLD field or is not a sound ISO 2709 record.
KivArray<KivHoldingsRecord> ExtractHoldings(std::string& record);
