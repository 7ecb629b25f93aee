<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="da_DK">
<context>
    <name>AddCommentDlgClass</name>
    <message>
        <source>AddCommentDlg</source>
        <translation>AddCommentDlg</translation>
    </message>
    <message>
        <source>Tilføj en kommentar</source>
        <translation>Add a comment</translation>
    </message>
    <message>
        <source>Luk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>AlbumWidgetClass</name>
    <message>
        <source>AlbumWidget</source>
        <translation>AlbumWidget</translation>
    </message>
</context>
<context>
    <name>AppUpdateClass</name>
    <message>
        <source>uploadDialog</source>
        <translation>uploadDialog</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AppsPageClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Fotoprogrammer</source>
        <translation>Photo apps</translation>
    </message>
    <message>
        <source>Find nemme metoder, hvorpå du kan scanne, organisere, redigere og dele dine digitale fotos og videoer.</source>
        <translation>Find easy ways to scan, organize, edit and share your digital photos and videos.</translation>
    </message>
    <message>
        <source>Åbn</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>BrimoFlickrClass</name>
    <message>
        <source>BrimoFlickr</source>
        <translation>BrimoFlickr</translation>
    </message>
    <message>
        <source>Ingen favoritter valgt</source>
        <translation>No favorites selected</translation>
    </message>
    <message>
        <source>Opdateringer fra dine favoritkontaktpersoner vises her og på hjemmesiden.</source>
        <translation>Updates from your favorite contacts appear here and on the home page.</translation>
    </message>
    <message>
        <source>Alle kontaktpersoner</source>
        <translation>All contacts</translation>
    </message>
    <message>
        <source>125 Kontaktpersoner</source>
        <translation>125 contacts</translation>
    </message>
    <message>
        <source>Vælg dine kontaktpersoners stjerne for at tilføje dem som en favorit</source>
        <translation>Select a contact&apos;s star to add them as a favorite</translation>
    </message>
    <message>
        <source>Hvis du vælger &quot;Alle kontaktpersoner&quot;, tilføjes alle</source>
        <translation>If you select &quot;All contacts&quot;, everyone is added</translation>
    </message>
    <message>
        <source>Brug knappen Opdater til at se de seneste fotos og videoer</source>
        <translation>Use the Refresh button to see the latest photos and videos</translation>
    </message>
    <message>
        <source>Rul mosaikken</source>
        <translation>Scroll the mosaic</translation>
    </message>
    <message>
        <source>Rul gitteret</source>
        <translation>Scroll the grid</translation>
    </message>
    <message>
        <source>Rul kontaktlisten</source>
        <translation>Scroll the contacts list</translation>
    </message>
</context>
<context>
    <name>BrimoHomeClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Rul indholdet</source>
        <translation>Scroll the content</translation>
    </message>
</context>
<context>
    <name>BrimoLibraryClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Velkommen til Samlinger</source>
        <translation>Welcome to Collections</translation>
    </message>
    <message>
        <source>Her kan du oprette særskilte samlinger over de emner, du holder af, og dele dem med familie og venner.</source>
        <translation>Here you can create separate collections of the subjects you care about and share them with family and friends.</translation>
    </message>
</context>
<context>
    <name>ClipSetClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Forrige side</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Næste side</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Færdig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Klip</source>
        <translation>Clips</translation>
    </message>
</context>
<context>
    <name>ClipSetMakerClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Forrige side</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Næste side</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Færdig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Klip</source>
        <translation>Clips</translation>
    </message>
</context>
<context>
    <name>CollectionEditorClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>DeviceDlgClass</name>
    <message>
        <source>DeviceDlg</source>
        <translation>DeviceDlg</translation>
    </message>
    <message>
        <source>Importér</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Luk</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DirBrowserClass</name>
    <message>
        <source>DirBrowser</source>
        <translation>DirBrowser</translation>
    </message>
    <message>
        <source>Mappen ovenover</source>
        <translation>Parent folder</translation>
    </message>
    <message>
        <source>Aktuel mappe</source>
        <translation>Current folder</translation>
    </message>
</context>
<context>
    <name>FacebookWebBrowseWidgetClass</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>FileBrowserClass</name>
    <message>
        <source>FileBrowser</source>
        <translation>FileBrowser</translation>
    </message>
</context>
<context>
    <name>FilterTabClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>ALLE</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>PR. DATO</source>
        <translation>BY DATE</translation>
    </message>
    <message>
        <source>SAMLINGER</source>
        <translation>COLLECTIONS</translation>
    </message>
    <message>
        <source>GENNEMSE</source>
        <translation>BROWSE</translation>
    </message>
    <message>
        <source>IMPORTÉR</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>VENNERS FOTOS</source>
        <translation>FRIENDS&apos; PHOTOS</translation>
    </message>
    <message>
        <source>MINE FOTOS</source>
        <translation>MY PHOTOS</translation>
    </message>
    <message>
        <source>TILBAGE TIL VENNERS FOTO</source>
        <translation>BACK TO FRIENDS&apos; PHOTOS</translation>
    </message>
</context>
<context>
    <name>FlickrWebBrowseWidgetClass</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>FlowerClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>GroupHeaderClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Skjul/Udvid</source>
        <translation>Collapse/Expand</translation>
    </message>
    <message>
        <source>Afspil diasshow</source>
        <translation>Play slideshow</translation>
    </message>
    <message>
        <source>Arrangér</source>
        <translation>Arrange</translation>
    </message>
    <message>
        <source>Føj til</source>
        <translation>Add to</translation>
    </message>
    <message>
        <source>Slet</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HomeTrayClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Opdater indhold</source>
        <translation>Refresh content</translation>
    </message>
    <message>
        <source>Tilføj album</source>
        <translation>Add album</translation>
    </message>
    <message>
        <source>Diasshow</source>
        <translation>Slideshow</translation>
    </message>
    <message>
        <source>Upload til Facebook</source>
        <translation>Upload to Facebook</translation>
    </message>
    <message>
        <source>Upload til Flickr</source>
        <translation>Upload to Flickr</translation>
    </message>
    <message>
        <source>Udskriv med Shutterfly</source>
        <translation>Print with Shutterfly</translation>
    </message>
    <message>
        <source>Rediger album</source>
        <translation>Edit album</translation>
    </message>
    <message>
        <source>Slet album</source>
        <translation>Delete album</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ImportClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Importer fra lokal mappe</source>
        <translation>Import from a local folder</translation>
    </message>
    <message>
        <source>Importer fra tilsluttet enhed</source>
        <translation>Import from a connected device</translation>
    </message>
</context>
<context>
    <name>LoadProgressClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>MsgBoxClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>NavBarClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tilbage</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Fremad</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Vexaro</source>
        <translation>Vexaro</translation>
    </message>
    <message>
        <source>Bibliotek</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>Foretrukket</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Næste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Minimer</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maksimer/Gendan</source>
        <translation>Maximize/Restore</translation>
    </message>
    <message>
        <source>Luk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Indstillinger</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>PhotoCropTrayClass</name>
    <message>
        <source>PhotoCropTray</source>
        <translation>PhotoCropTray</translation>
    </message>
    <message>
        <source>BESKÆR</source>
        <translation>CROP</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Gendan</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PhotoDetailClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Næste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Upload til Facebook</source>
        <translation>Upload to Facebook</translation>
    </message>
    <message>
        <source>Upload til Flickr</source>
        <translation>Upload to Flickr</translation>
    </message>
    <message>
        <source>Udskriv med Shutterfly</source>
        <translation>Print with Shutterfly</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Rediger</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Diasshow</source>
        <translation>Slideshow</translation>
    </message>
</context>
<context>
    <name>PhotoEditTrayClass</name>
    <message>
        <source>PhotoEditTray</source>
        <translation>PhotoEditTray</translation>
    </message>
    <message>
        <source>Rotér</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Beskær</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Ret ud</source>
        <translation>Straighten</translation>
    </message>
    <message>
        <source>Røde øjne</source>
        <translation>Red eye</translation>
    </message>
    <message>
        <source>Auto-ret</source>
        <translation>Auto fix</translation>
    </message>
    <message>
        <source>Gå tilbage til original</source>
        <translation>Revert to original</translation>
    </message>
</context>
<context>
    <name>PhotoInfoTrayClass</name>
    <message>
        <source>PhotoInfoTray</source>
        <translation>PhotoInfoTray</translation>
    </message>
    <message>
        <source>Billedets titel</source>
        <translation>Photo title</translation>
    </message>
</context>
<context>
    <name>PhotoStraightenTrayClass</name>
    <message>
        <source>PhotoStraightenTray</source>
        <translation>PhotoStraightenTray</translation>
    </message>
    <message>
        <source>ARRANGER</source>
        <translatorcomment>Title of the straighten tray, in the place where the crop tray says CROP.</translatorcomment>
        <translation>STRAIGHTEN</translation>
    </message>
    <message>
        <source>-10</source>
        <translation>-10</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Gendan</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Færdig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vinkel</source>
        <translation>Angle</translation>
    </message>
</context>
<context>
    <name>PopupAddClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>QTransitionClass</name>
    <message>
        <source>QTransition</source>
        <translation>QTransition</translation>
    </message>
</context>
<context>
    <name>RibbonDialogClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SaveCollClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Gem album</source>
        <translation>Save album</translation>
    </message>
    <message>
        <source>Navngiv dit nye album:</source>
        <translation>Name your new album:</translation>
    </message>
    <message>
        <source>Virtuelt tastatur</source>
        <translation>On-screen keyboard</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Samlingens navn</source>
        <translation>Collection name</translation>
    </message>
</context>
<context>
    <name>SettingClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>DIASSHOW</source>
        <translation>SLIDESHOW</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>Shutterfly</source>
        <translation>Shutterfly</translation>
    </message>
    <message>
        <source>OM</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>Luk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Overgang</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Alle effekter (vilkårlig)</source>
        <translation>All effects (random)</translation>
    </message>
    <message>
        <source>Panorer/Zoom</source>
        <translation>Pan/Zoom</translation>
    </message>
    <message>
        <source>Diamant-udtoning</source>
        <translation>Diamond fade</translation>
    </message>
    <message>
        <source>Alfa-kunstner</source>
        <translation>Alpha artist</translation>
    </message>
    <message>
        <source>Varighed</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>(per emne)</source>
        <translation>(per slide)</translation>
    </message>
    <message>
        <source>Tilføj musik</source>
        <translation>Add music</translation>
    </message>
    <message>
        <source>Du kan vælge, hvilken musik der afspilles med dit diasshow.</source>
        <translation>You can choose the music that plays with your slideshow.</translation>
    </message>
    <message>
        <source>Jeg vil forblive logget på</source>
        <translation>Keep me logged in</translation>
    </message>
    <message>
        <source>Aktuelt:</source>
        <translation>Currently:</translation>
    </message>
    <message>
        <source>Lad mig forblive logget på</source>
        <translation>Stay logged in</translation>
    </message>
    <message>
        <source>Månedligt forbrug:</source>
        <translation>Monthly usage:</translation>
    </message>
    <message>
        <source>Maksimalt tilladte filstørrelse:</source>
        <translation>Maximum file size:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Varemærket og tilhørende logoer tilhører deres respektive ejer. Alle rettigheder forbeholdes.</source>
        <translation>The trademark and associated logos are the property of their respective owner. All rights reserved.</translation>
    </message>
    <message>
        <source>Dette program er beskyttet af ophavsret og tilhører softwareudvikleren. Alle rettigheder forbeholdes.</source>
        <translation>This program is protected by copyright and is the property of the software developer. All rights reserved.</translation>
    </message>
    <message>
        <source>Kontroller for opdateringer</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Facebook-konto</source>
        <translation>Facebook account</translation>
    </message>
    <message>
        <source>Flickr-konto</source>
        <translation>Flickr account</translation>
    </message>
    <message>
        <source>Shutterfly-konto</source>
        <translation>Shutterfly account</translation>
    </message>
</context>
<context>
    <name>SlideShowClass</name>
    <message>
        <source>SlideShow</source>
        <translation>SlideShow</translation>
    </message>
</context>
<context>
    <name>SlideShowTrayClass</name>
    <message>
        <source>SlideShowTray</source>
        <translation>SlideShowTray</translation>
    </message>
    <message>
        <source>Afspil/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Næste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Kør i ring</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Juster lydstyrke</source>
        <translation>Adjust volume</translation>
    </message>
    <message>
        <source>Indstilling</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Fuld skærm</source>
        <translation>Full screen</translation>
    </message>
</context>
<context>
    <name>SocialDetailClass</name>
    <message>
        <source>SocialDetail</source>
        <translation>SocialDetail</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Næste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Tilføj kommentar</source>
        <translation>Add comment</translation>
    </message>
    <message>
        <source>Lide/Ikke lide</source>
        <translation>Like/Unlike</translation>
    </message>
    <message>
        <source>Diasshow</source>
        <translation>Slideshow</translation>
    </message>
    <message>
        <source>Vennens navn</source>
        <translation>Friend&apos;s name</translation>
    </message>
    <message>
        <source>Billedtekst</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Albumnavn</source>
        <translation>Album name</translation>
    </message>
</context>
<context>
    <name>SocialDetailInfoClass</name>
    <message>
        <source>SocialDetailInfo</source>
        <translation>SocialDetailInfo</translation>
    </message>
</context>
<context>
    <name>SocialVideoClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Næste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Afspil/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Juster lydstyrke</source>
        <translation>Adjust volume</translation>
    </message>
    <message>
        <source>Fuld skærm</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Tilføj kommentar</source>
        <translation>Add comment</translation>
    </message>
    <message>
        <source>Lide/Ikke lide</source>
        <translation>Like/Unlike</translation>
    </message>
    <message>
        <source>Vennens navn</source>
        <translation>Friend&apos;s name</translation>
    </message>
    <message>
        <source>Billedtekst</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Albumnavn</source>
        <translation>Album name</translation>
    </message>
    <message>
        <source>Afspilningsposition</source>
        <translation>Playback position</translation>
    </message>
</context>
<context>
    <name>TopShadowClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>TrimmerClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>VexaroClass</name>
    <message>
        <source>Vexaro</source>
        <translation>Vexaro</translation>
    </message>
</context>
<context>
    <name>VideoDetailClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Afspil/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Rotér</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Gendan</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Færdig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Næste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Upload til Facebook</source>
        <translation>Upload to Facebook</translation>
    </message>
    <message>
        <source>Upload til Flickr</source>
        <translation>Upload to Flickr</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Juster lydstyrke</source>
        <translation>Adjust volume</translation>
    </message>
    <message>
        <source>Fuld skærm</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Rediger</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Afspilningsposition</source>
        <translation>Playback position</translation>
    </message>
</context>
<context>
    <name>VideoTimeClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
</context>
<context>
    <name>VideoToolBarClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Afspil/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Juster lydstyrke</source>
        <translation>Adjust volume</translation>
    </message>
    <message>
        <source>Fuld skærm</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Afspilningsposition</source>
        <translation>Playback position</translation>
    </message>
</context>
<context>
    <name>VideoTrimSetClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
</context>
<context>
    <name>ViewModePanelClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Stabelvisning</source>
        <translation>Stack view</translation>
    </message>
    <message>
        <source>Gittervisning</source>
        <translation>Grid view</translation>
    </message>
</context>
<context>
    <name>VolumeScalerUi</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Lyd til/Lyd fra</source>
        <translation>Sound on/off</translation>
    </message>
    <message>
        <source>Lydstyrke</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>brimoFacebookClass</name>
    <message>
        <source>BrimoFaceBook</source>
        <translation>BrimoFaceBook</translation>
    </message>
    <message>
        <source>Ingen favoritter valgt</source>
        <translation>No favorites selected</translation>
    </message>
    <message>
        <source>Opdateringer fra dine favoritvenner vises her og på hjemmesiden.</source>
        <translation>Updates from your favorite friends appear here and on the home page.</translation>
    </message>
    <message>
        <source>Alle venner</source>
        <translation>All friends</translation>
    </message>
    <message>
        <source>125 venner</source>
        <translation>125 friends</translation>
    </message>
    <message>
        <source>Vælg dine venners stjerne for at tilføje dem som en favorit</source>
        <translation>Select a friend&apos;s star to add them as a favorite</translation>
    </message>
    <message>
        <source>Hvis du vælger &quot;Alle venner&quot;, tilføjes alle</source>
        <translation>If you select &quot;All friends&quot;, everyone is added</translation>
    </message>
    <message>
        <source>Brug knappen Opdater til at se de seneste fotos og videoer</source>
        <translation>Use the Refresh button to see the latest photos and videos</translation>
    </message>
    <message>
        <source>Rul mosaikken</source>
        <translation>Scroll the mosaic</translation>
    </message>
    <message>
        <source>Rul gitteret</source>
        <translation>Scroll the grid</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Rul vennelisten</source>
        <translation>Scroll the friends list</translation>
    </message>
</context>
<context>
    <name>downloadDialogClass</name>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>saveToClass</name>
    <message>
        <source>Gemmer %1</source>
        <translation>Saving %1</translation>
    </message>
</context>
<context>
    <name>uploadDialogClass</name>
    <message>
        <source>uploadDialog</source>
        <translation>uploadDialog</translation>
    </message>
    <message>
        <source>Overførsel til Flickr</source>
        <translation>Uploading to Flickr</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kodeomsætter…</source>
        <translation>Encoding…</translation>
    </message>
    <message>
        <source>Du kan vise det overførte album fra følgende URL:</source>
        <translation>You can view the uploaded album at this URL:</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Segoe UI&apos;; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Segoe UI&apos;; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Deling</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Færdig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Dine fotos blev succesfuldt overført til Shutterfly.</source>
        <translation>Your photos were uploaded to Shutterfly.</translation>
    </message>
    <message>
        <source>Åbn Shutterfly</source>
        <translation>Open Shutterfly</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Albumnavn</source>
        <translation>Album name</translation>
    </message>
    <message>
        <source>Albummets adresse</source>
        <translation>Album address</translation>
    </message>
</context>
</TS>
