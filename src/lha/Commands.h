#pragma once

#include "CommandText.h"
#include "Reply.h"

namespace tolvane::lha {

void ListArchive(const CommandText& c, Reply& reply);        // l, v
void TestArchive(const CommandText& c, Reply& reply);        // t
void ExtractArchive(const CommandText& c, Reply& reply);     // e, x
void AddToArchive(const CommandText& c, Reply& reply);       // a, u
void DeleteFromArchive(const CommandText& c, Reply& reply);  // d

}  // namespace tolvane::lha
