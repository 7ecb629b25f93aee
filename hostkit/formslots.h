#pragma once

#include "IUIFactory.h"

#include <utility>

// Host-side helpers: calling the factory's creation operations by slot number.
namespace FormSlots {

constexpr int First = 2;  // slots 0 and 1 name the product and the skin
constexpr int Last = 52;

// The factory's operation names, by slot.
inline const char *operationName(int slot)
{
    static const char *const names[] = {
        "productName",
        "skinName",
        "createAddCommentDlg",
        "createAlbumWidget",
        "createAppsPage",
        "createClipSet",
        "createClipSetMaker",
        "createCollectionEditor",
        "createDeviceDlg",
        "createDirBrowser",
        "createAppUpdate",
        "createDownloadDialog",
        "createFlower",
        "createLoadProgress",
        "createSaveColl",
        "createSaveTo",
        "createSetting",
        "createFacebookWebBrowseWidget",
        "createFileBrowser",
        "createFilterTab",
        "createFlickrWebBrowseWidget",
        "createGroupHeader",
        "createHomeTray",
        "createImport",
        "createMsgBox",
        "createNavBar",
        "createPhotoCropTray",
        "createPhotoDetail",
        "createPhotoEditTray",
        "createPhotoInfoTray",
        "createVexaro",
        "createPhotoStraightenTray",
        "createPopupAdd",
        "createQTransition",
        "createRibbonDialog",
        "createSlideShow",
        "createSlideShowTray",
        "createSocialDetail",
        "createSocialDetailInfo",
        "createSocialVideo",
        "createBrimoFacebook",
        "createBrimoFlickr",
        "createBrimoHome",
        "createBrimoLibrary",
        "createTopShadow",
        "createTrimmer",
        "createUploadDialog",
        "createVideoDetail",
        "createVideoTime",
        "createVideoToolBar",
        "createVideoTrimSet",
        "createViewModePanel",
        "createVolumeScalerUi",
    };
    return slot >= 0 && slot <= Last ? names[slot] : nullptr;
}

// Calls creation slot 'slot' of 'factory' and passes the new form object, typed
// with its interface, to 'visit'; returns what 'visit' returns. 'visit' must
// accept null: a slot returns null when memory runs out, and a slot outside
// [First, Last] creates nothing.
template<class Visitor>
auto visit(IUIFactory *factory, int slot, Visitor &&visit)
{
    switch (slot) {
    case 2: return visit(factory->createAddCommentDlg());
    case 3: return visit(factory->createAlbumWidget());
    case 4: return visit(factory->createAppsPage());
    case 5: return visit(factory->createClipSet());
    case 6: return visit(factory->createClipSetMaker());
    case 7: return visit(factory->createCollectionEditor());
    case 8: return visit(factory->createDeviceDlg());
    case 9: return visit(factory->createDirBrowser());
    case 10: return visit(factory->createAppUpdate());
    case 11: return visit(factory->createDownloadDialog());
    case 12: return visit(factory->createFlower());
    case 13: return visit(factory->createLoadProgress());
    case 14: return visit(factory->createSaveColl());
    case 15: return visit(factory->createSaveTo());
    case 16: return visit(factory->createSetting());
    case 17: return visit(factory->createFacebookWebBrowseWidget());
    case 18: return visit(factory->createFileBrowser());
    case 19: return visit(factory->createFilterTab());
    case 20: return visit(factory->createFlickrWebBrowseWidget());
    case 21: return visit(factory->createGroupHeader());
    case 22: return visit(factory->createHomeTray());
    case 23: return visit(factory->createImport());
    case 24: return visit(factory->createMsgBox());
    case 25: return visit(factory->createNavBar());
    case 26: return visit(factory->createPhotoCropTray());
    case 27: return visit(factory->createPhotoDetail());
    case 28: return visit(factory->createPhotoEditTray());
    case 29: return visit(factory->createPhotoInfoTray());
    case 30: return visit(factory->createVexaro());
    case 31: return visit(factory->createPhotoStraightenTray());
    case 32: return visit(factory->createPopupAdd());
    case 33: return visit(factory->createQTransition());
    case 34: return visit(factory->createRibbonDialog());
    case 35: return visit(factory->createSlideShow());
    case 36: return visit(factory->createSlideShowTray());
    case 37: return visit(factory->createSocialDetail());
    case 38: return visit(factory->createSocialDetailInfo());
    case 39: return visit(factory->createSocialVideo());
    case 40: return visit(factory->createBrimoFacebook());
    case 41: return visit(factory->createBrimoFlickr());
    case 42: return visit(factory->createBrimoHome());
    case 43: return visit(factory->createBrimoLibrary());
    case 44: return visit(factory->createTopShadow());
    case 45: return visit(factory->createTrimmer());
    case 46: return visit(factory->createUploadDialog());
    case 47: return visit(factory->createVideoDetail());
    case 48: return visit(factory->createVideoTime());
    case 49: return visit(factory->createVideoToolBar());
    case 50: return visit(factory->createVideoTrimSet());
    case 51: return visit(factory->createViewModePanel());
    case 52: return visit(factory->createVolumeScalerUi());
    }
    return visit(static_cast<IQTransitionClass *>(nullptr));
}

} // namespace FormSlots
