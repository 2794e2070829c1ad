#pragma once

#include "document/ElementTree.h"

struct SkinElement;

// The picture (Picture:: index) the tree shows for an entry; -1 for an entry of no known kind.
int TreePictureOf(const SkinElement& element);
