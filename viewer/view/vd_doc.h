// The viewer's document.  The picture lives in the card's frame memory, so
// the document holds no picture data; its Open and Save commands come with
// the image files.
#pragma once
#include "document.h"
#include "message_table.h"

class CVDDoc : public framework::Routed<CVDDoc, framework::CDocument> {
};
