#include "NEWUIFactory.h"

#include "formobjects.h"

namespace {
// Module-owned, read-only: the same address for every caller.
constexpr char kProductName[] = "Vexaro";
constexpr char kSkinName[] = "NEW";
} // namespace

const char *NEWUIFactory::productName()
{
    return kProductName;
}

const char *NEWUIFactory::skinName()
{
    return kSkinName;
}

// Each creation operation allocates without throwing: no exception may cross
// into a host that calls through a C entry point.
#define VEXARO_CREATE(Operation, Form) \
    I##Form *NEWUIFactory::Operation() { return vexaroNew##Form(); }

VEXARO_CREATE(createAddCommentDlg, AddCommentDlgClass)
VEXARO_CREATE(createAlbumWidget, AlbumWidgetClass)
VEXARO_CREATE(createAppsPage, AppsPageClass)
VEXARO_CREATE(createClipSet, ClipSetClass)
VEXARO_CREATE(createClipSetMaker, ClipSetMakerClass)
VEXARO_CREATE(createCollectionEditor, CollectionEditorClass)
VEXARO_CREATE(createDeviceDlg, DeviceDlgClass)
VEXARO_CREATE(createDirBrowser, DirBrowserClass)
VEXARO_CREATE(createAppUpdate, AppUpdateClass)
VEXARO_CREATE(createDownloadDialog, downloadDialogClass)
VEXARO_CREATE(createFlower, FlowerClass)
VEXARO_CREATE(createLoadProgress, LoadProgressClass)
VEXARO_CREATE(createSaveColl, SaveCollClass)
VEXARO_CREATE(createSaveTo, saveToClass)
VEXARO_CREATE(createSetting, SettingClass)
VEXARO_CREATE(createFacebookWebBrowseWidget, FacebookWebBrowseWidgetClass)
VEXARO_CREATE(createFileBrowser, FileBrowserClass)
VEXARO_CREATE(createFilterTab, FilterTabClass)
VEXARO_CREATE(createFlickrWebBrowseWidget, FlickrWebBrowseWidgetClass)
VEXARO_CREATE(createGroupHeader, GroupHeaderClass)
VEXARO_CREATE(createHomeTray, HomeTrayClass)
VEXARO_CREATE(createImport, ImportClass)
VEXARO_CREATE(createMsgBox, MsgBoxClass)
VEXARO_CREATE(createNavBar, NavBarClass)
VEXARO_CREATE(createPhotoCropTray, PhotoCropTrayClass)
VEXARO_CREATE(createPhotoDetail, PhotoDetailClass)
VEXARO_CREATE(createPhotoEditTray, PhotoEditTrayClass)
VEXARO_CREATE(createPhotoInfoTray, PhotoInfoTrayClass)
VEXARO_CREATE(createVexaro, VexaroClass)
VEXARO_CREATE(createPhotoStraightenTray, PhotoStraightenTrayClass)
VEXARO_CREATE(createPopupAdd, PopupAddClass)
VEXARO_CREATE(createQTransition, QTransitionClass)
VEXARO_CREATE(createRibbonDialog, RibbonDialogClass)
VEXARO_CREATE(createSlideShow, SlideShowClass)
VEXARO_CREATE(createSlideShowTray, SlideShowTrayClass)
VEXARO_CREATE(createSocialDetail, SocialDetailClass)
VEXARO_CREATE(createSocialDetailInfo, SocialDetailInfoClass)
VEXARO_CREATE(createSocialVideo, SocialVideoClass)
VEXARO_CREATE(createBrimoFacebook, brimoFacebookClass)
VEXARO_CREATE(createBrimoFlickr, BrimoFlickrClass)
VEXARO_CREATE(createBrimoHome, BrimoHomeClass)
VEXARO_CREATE(createBrimoLibrary, BrimoLibraryClass)
VEXARO_CREATE(createTopShadow, TopShadowClass)
VEXARO_CREATE(createTrimmer, TrimmerClass)
VEXARO_CREATE(createUploadDialog, uploadDialogClass)
VEXARO_CREATE(createVideoDetail, VideoDetailClass)
VEXARO_CREATE(createVideoTime, VideoTimeClass)
VEXARO_CREATE(createVideoToolBar, VideoToolBarClass)
VEXARO_CREATE(createVideoTrimSet, VideoTrimSetClass)
VEXARO_CREATE(createViewModePanel, ViewModePanelClass)
VEXARO_CREATE(createVolumeScalerUi, VolumeScalerUi)

#undef VEXARO_CREATE
