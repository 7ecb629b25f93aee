#pragma once

// The factory that the module hands out through create_UIFactory(). The host
// calls its operations by position: the order below is binding and must never
// change. Each creation operation returns a new form object (null when memory
// runs out) that the host frees with its release(); the factory keeps no
// record of it, and the object stays usable after the factory is destroyed.
// Free the factory itself with destroy_UIFactory().

class IAddCommentDlgClass;
class IAlbumWidgetClass;
class IAppsPageClass;
class IAppUpdateClass;
class IbrimoFacebookClass;
class IBrimoFlickrClass;
class IBrimoHomeClass;
class IBrimoLibraryClass;
class IClipSetClass;
class IClipSetMakerClass;
class ICollectionEditorClass;
class IDeviceDlgClass;
class IDirBrowserClass;
class IdownloadDialogClass;
class IFacebookWebBrowseWidgetClass;
class IFileBrowserClass;
class IFilterTabClass;
class IFlickrWebBrowseWidgetClass;
class IFlowerClass;
class IGroupHeaderClass;
class IHomeTrayClass;
class IImportClass;
class ILoadProgressClass;
class IMsgBoxClass;
class INavBarClass;
class IPhotoCropTrayClass;
class IPhotoDetailClass;
class IPhotoEditTrayClass;
class IPhotoInfoTrayClass;
class IPhotoStraightenTrayClass;
class IPopupAddClass;
class IQTransitionClass;
class IRibbonDialogClass;
class ISaveCollClass;
class IsaveToClass;
class ISettingClass;
class ISlideShowClass;
class ISlideShowTrayClass;
class ISocialDetailClass;
class ISocialDetailInfoClass;
class ISocialVideoClass;
class ITopShadowClass;
class ITrimmerClass;
class IuploadDialogClass;
class IVexaroClass;
class IVideoDetailClass;
class IVideoTimeClass;
class IVideoToolBarClass;
class IVideoTrimSetClass;
class IViewModePanelClass;
class IVolumeScalerUi;

class IUIFactory
{
public:
    // "Vexaro" and "NEW": static strings owned by the module, the same address
    // on every call and from every factory.
    virtual const char *productName() = 0; // slot 0
    virtual const char *skinName() = 0; // slot 1

    virtual IAddCommentDlgClass *createAddCommentDlg() = 0; // slot 2
    virtual IAlbumWidgetClass *createAlbumWidget() = 0; // slot 3
    virtual IAppsPageClass *createAppsPage() = 0; // slot 4
    virtual IClipSetClass *createClipSet() = 0; // slot 5
    virtual IClipSetMakerClass *createClipSetMaker() = 0; // slot 6
    virtual ICollectionEditorClass *createCollectionEditor() = 0; // slot 7
    virtual IDeviceDlgClass *createDeviceDlg() = 0; // slot 8
    virtual IDirBrowserClass *createDirBrowser() = 0; // slot 9
    virtual IAppUpdateClass *createAppUpdate() = 0; // slot 10
    virtual IdownloadDialogClass *createDownloadDialog() = 0; // slot 11
    virtual IFlowerClass *createFlower() = 0; // slot 12
    virtual ILoadProgressClass *createLoadProgress() = 0; // slot 13
    virtual ISaveCollClass *createSaveColl() = 0; // slot 14
    virtual IsaveToClass *createSaveTo() = 0; // slot 15
    virtual ISettingClass *createSetting() = 0; // slot 16
    virtual IFacebookWebBrowseWidgetClass *createFacebookWebBrowseWidget() = 0; // slot 17
    virtual IFileBrowserClass *createFileBrowser() = 0; // slot 18
    virtual IFilterTabClass *createFilterTab() = 0; // slot 19
    virtual IFlickrWebBrowseWidgetClass *createFlickrWebBrowseWidget() = 0; // slot 20
    virtual IGroupHeaderClass *createGroupHeader() = 0; // slot 21
    virtual IHomeTrayClass *createHomeTray() = 0; // slot 22
    virtual IImportClass *createImport() = 0; // slot 23
    virtual IMsgBoxClass *createMsgBox() = 0; // slot 24
    virtual INavBarClass *createNavBar() = 0; // slot 25
    virtual IPhotoCropTrayClass *createPhotoCropTray() = 0; // slot 26
    virtual IPhotoDetailClass *createPhotoDetail() = 0; // slot 27
    virtual IPhotoEditTrayClass *createPhotoEditTray() = 0; // slot 28
    virtual IPhotoInfoTrayClass *createPhotoInfoTray() = 0; // slot 29
    virtual IVexaroClass *createVexaro() = 0; // slot 30
    virtual IPhotoStraightenTrayClass *createPhotoStraightenTray() = 0; // slot 31
    virtual IPopupAddClass *createPopupAdd() = 0; // slot 32
    virtual IQTransitionClass *createQTransition() = 0; // slot 33
    virtual IRibbonDialogClass *createRibbonDialog() = 0; // slot 34
    virtual ISlideShowClass *createSlideShow() = 0; // slot 35
    virtual ISlideShowTrayClass *createSlideShowTray() = 0; // slot 36
    virtual ISocialDetailClass *createSocialDetail() = 0; // slot 37
    virtual ISocialDetailInfoClass *createSocialDetailInfo() = 0; // slot 38
    virtual ISocialVideoClass *createSocialVideo() = 0; // slot 39
    virtual IbrimoFacebookClass *createBrimoFacebook() = 0; // slot 40
    virtual IBrimoFlickrClass *createBrimoFlickr() = 0; // slot 41
    virtual IBrimoHomeClass *createBrimoHome() = 0; // slot 42
    virtual IBrimoLibraryClass *createBrimoLibrary() = 0; // slot 43
    virtual ITopShadowClass *createTopShadow() = 0; // slot 44
    virtual ITrimmerClass *createTrimmer() = 0; // slot 45
    virtual IuploadDialogClass *createUploadDialog() = 0; // slot 46
    virtual IVideoDetailClass *createVideoDetail() = 0; // slot 47
    virtual IVideoTimeClass *createVideoTime() = 0; // slot 48
    virtual IVideoToolBarClass *createVideoToolBar() = 0; // slot 49
    virtual IVideoTrimSetClass *createVideoTrimSet() = 0; // slot 50
    virtual IViewModePanelClass *createViewModePanel() = 0; // slot 51
    virtual IVolumeScalerUi *createVolumeScalerUi() = 0; // slot 52

protected:
    // Not deletable through the interface: pass the factory to destroy_UIFactory().
    ~IUIFactory() = default;
};
