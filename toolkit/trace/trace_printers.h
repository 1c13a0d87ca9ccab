#pragma once
// The trace printers of the programming interface: every APDU structure, EXTERNAL and core record, written
// into a trace stream one field per line.

#include "toolkit/trace/access_resource_printers.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/composition_printers.h"
#include "toolkit/trace/core_record_printers.h"
#include "toolkit/trace/es_package_printers.h"
#include "toolkit/trace/export_printers.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/generic_record_printer.h"
#include "toolkit/trace/ill_pdu_printer.h"
#include "toolkit/trace/item_order_printer.h"
#include "toolkit/trace/prompt_object_printer.h"
#include "toolkit/trace/query_printer.h"
#include "toolkit/trace/records_printers.h"
#include "toolkit/trace/request_printers.h"
#include "toolkit/trace/response_printers.h"
#include "toolkit/trace/scan_response_printer.h"
#include "toolkit/trace/search_result1_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/sort_request_printer.h"
#include "toolkit/trace/value_printers.h"
