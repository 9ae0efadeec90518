#pragma once

// The resources both COM servers carry besides their type library (TYPELIB 1) and version:
// the product's icon, the two pictures the forms show and the link labels' pointer. The
// window face finds a picture model's image by name and loads it from its own module.
// Drawn by assets/icons/make_icons.py. The two pictures are opaque, on the dialog face's
// colour (240, 240, 240), which is also their top-left pixel and no pixel of the symbol's.
#define QH_IDI_PRODUCT 101  // the product icon: 16, 32 and 48 pixels
#define QH_IDB_TAG 102      // the 16 by 16 tag symbol (24 bits a pixel), the pane's Image1
#define QH_IDB_ABOUT 103    // the 64 by 64 picture of the About box's picIcon
#define QH_IDC_LINK 104     // the pointer shown over a link label
