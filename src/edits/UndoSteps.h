#pragma once

#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

namespace Edits
{
// Names the undo step of the operation that runs now with a step name of the string table
// (IDS_STEP_...): "Undo Delete guest". A step left unnamed shows as "Undo change".
inline void NameStep(CNewOrvDoc& doc, int stepNameId)
{
    doc.NameUndoStep(LoadString(stepNameId));
}
} // namespace Edits
