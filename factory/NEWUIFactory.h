#pragma once

#include "IUIFactory.h"

// The module's one factory. It has no state: every instance behaves alike.
class NEWUIFactory final : public IUIFactory
{
public:
    const char *productName() override;
    const char *skinName() override;

    IAddCommentDlgClass *createAddCommentDlg() override;
    IAlbumWidgetClass *createAlbumWidget() override;
    IAppsPageClass *createAppsPage() override;
    IClipSetClass *createClipSet() override;
    IClipSetMakerClass *createClipSetMaker() override;
    ICollectionEditorClass *createCollectionEditor() override;
    IDeviceDlgClass *createDeviceDlg() override;
    IDirBrowserClass *createDirBrowser() override;
    IAppUpdateClass *createAppUpdate() override;
    IdownloadDialogClass *createDownloadDialog() override;
    IFlowerClass *createFlower() override;
    ILoadProgressClass *createLoadProgress() override;
    ISaveCollClass *createSaveColl() override;
    IsaveToClass *createSaveTo() override;
    ISettingClass *createSetting() override;
    IFacebookWebBrowseWidgetClass *createFacebookWebBrowseWidget() override;
    IFileBrowserClass *createFileBrowser() override;
    IFilterTabClass *createFilterTab() override;
    IFlickrWebBrowseWidgetClass *createFlickrWebBrowseWidget() override;
    IGroupHeaderClass *createGroupHeader() override;
    IHomeTrayClass *createHomeTray() override;
    IImportClass *createImport() override;
    IMsgBoxClass *createMsgBox() override;
    INavBarClass *createNavBar() override;
    IPhotoCropTrayClass *createPhotoCropTray() override;
    IPhotoDetailClass *createPhotoDetail() override;
    IPhotoEditTrayClass *createPhotoEditTray() override;
    IPhotoInfoTrayClass *createPhotoInfoTray() override;
    IVexaroClass *createVexaro() override;
    IPhotoStraightenTrayClass *createPhotoStraightenTray() override;
    IPopupAddClass *createPopupAdd() override;
    IQTransitionClass *createQTransition() override;
    IRibbonDialogClass *createRibbonDialog() override;
    ISlideShowClass *createSlideShow() override;
    ISlideShowTrayClass *createSlideShowTray() override;
    ISocialDetailClass *createSocialDetail() override;
    ISocialDetailInfoClass *createSocialDetailInfo() override;
    ISocialVideoClass *createSocialVideo() override;
    IbrimoFacebookClass *createBrimoFacebook() override;
    IBrimoFlickrClass *createBrimoFlickr() override;
    IBrimoHomeClass *createBrimoHome() override;
    IBrimoLibraryClass *createBrimoLibrary() override;
    ITopShadowClass *createTopShadow() override;
    ITrimmerClass *createTrimmer() override;
    IuploadDialogClass *createUploadDialog() override;
    IVideoDetailClass *createVideoDetail() override;
    IVideoTimeClass *createVideoTime() override;
    IVideoToolBarClass *createVideoToolBar() override;
    IVideoTrimSetClass *createVideoTrimSet() override;
    IViewModePanelClass *createViewModePanel() override;
    IVolumeScalerUi *createVolumeScalerUi() override;
};
