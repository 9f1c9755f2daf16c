// The list index check shared by the managers and tables.
#pragma once

// Raises "List index out of bounds (n)" unless 0 <= index < count.
void CheckListIndex(int index, int count);
