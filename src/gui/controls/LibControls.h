#pragma once
// The maker's control family on Qt Widgets: the names the forms are built
// from.

#include "controls/LibBtBtn.h"
#include "controls/LibCBox.h"
#include "controls/LibCChk.h"
#include "controls/LibEdit.h"
#include "controls/LibLabel.h"
#include "controls/LibPanel.h"
