#pragma once
// Operations between two DBL lists. Data appended from a second list are shared with it, except for
// ListAppendCopies; a second list that gives its data away has its free routine cleared, so that
// destroying it frees none of them. A second list that is NULL or empty adds nothing.

#include "Quorvane/lists/dbl_list.h"

using DblConvert = void* (*)(void* datum);
using DblAccept = int (*)(DblList* list, const void* datum);

// Appends every datum of list, or convert(datum) when convert is set, to the end of to.
void ListCopyInto(DblList* list, DblConvert convert, DblList* to);
// Appends every datum of second after the last node of list; second's free routine is cleared and second
// is destroyed when destroySecond is 1.
void ListAppendList(DblList* list, DblList* second, int destroySecond);
// Appends copies of the texts of second (counted memory, tag "DBL", length + 2 octets); second keeps its
// data and free routine and is destroyed when destroySecond is 1.
void ListAppendCopies(DblList* list, DblList* second, int destroySecond);
// Appends each datum of second with accept(list, datum) = 1 after the last node of list.
void ListAppendMatching(DblList* list, DblList* second, DblAccept accept);
// Inserts the data of second at list's cursor: the first before the cursor's node when before is 1, else
// after it, the rest after that one. Second's free routine is cleared and second is destroyed when
// destroySecond is 1. keepCursor 1 puts the cursor back on the node it was on; otherwise it ends on the
// last datum inserted.
void ListMerge(DblList* list, DblList* second, int before, int destroySecond, int keepCursor);
// Replaces each text t of list by a new text t + separator + u, u being the text at the same position of
// second, for the pairs whose u is not "xNONEx"; t goes through list's free routine. Stops at the end of
// either list. New texts are counted memory, tag "DBL".
void ListJoinPairwise(DblList* list, DblList* second, const char* separator);
