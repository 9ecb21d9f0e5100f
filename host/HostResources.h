#pragma once

#define IDD_HOST_ASSAY_IDS 201
#define IDC_HOST_ASSAY_IDS 2001
