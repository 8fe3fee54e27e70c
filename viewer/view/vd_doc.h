// The viewer's document.  The picture lives in the card's frame memory, so
// the document holds no picture data and has no commands of its own.
#pragma once
#include "document.h"
#include "message_table.h"

class CVDDoc : public framework::Routed<CVDDoc, framework::CDocument> {
};
