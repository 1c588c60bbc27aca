object Main: TMain
  Left = 226
  Top = 110
  Width = 707
  Height = 544
  BorderIcons = [biSystemMenu, biMinimize, biMaximize, biHelp]
  Caption = 'Α.Π.Δ.'
  HelpType = htKeyword
  HelpKeyword = 'default'
  WindowState = wsMaximized
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object CoolBar1: TPanel
    Align = alTop
    Height = 56
    BevelOuter = bvNone
    Caption = ''
    object ActionMainMenuBar1: TActionMainMenuBar
      Align = alTop
      Height = 24
      ShowHint = True
    end
    object ActionToolBar1: TActionToolBar
      Align = alTop
      Height = 30
      ShowHint = True
    end
  end
  object StatusBar1: TStatusBar
    Align = alBottom
    Height = 19
    SimplePanel = True
  end
  object ScrollBox1: TScrollBox
    Align = alClient
    OnResize = ScrollBox1Resize
  end
  object ActionManager1: TActionManager
  end
  object FileControl1: TFileControl
    Modified = False
    OnQuerySave = FileControl1QuerySave
    OnFileOpen = FileControl1FileOpen
    OnFileSave = FileControl1FileSave
    OnFileSaveAs = FileControl1FileSaveAs
    OnFileNew = FileControl1FileNew
    OnFileChange = FileControl1FileChange
    OnFileRecent = FileControl1FileRecent
    OnCommitTyping = FileControl1CommitTyping
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = '.vapd'
    Filter = 'Έντυπο ΑΠΔ ΙΚΑ (*.vapd)|*.vapd|Πρότυπο Έντυπο ΑΠΔ ΙΚΑ (*.papd)|*.papd'
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = '.vapd'
    Filter = 'Έντυπο ΑΠΔ ΙΚΑ (*.vapd)|*.vapd|Πρότυπο Έντυπο ΑΠΔ ΙΚΑ (*.papd)|*.papd'
  end
  object FontDialog1: TFontDialog
  end
  object ColorDialog1: TColorDialog
  end
  object PageSetupDialog1: TPageSetupDialog
    MarginLeft = 2500
    MarginTop = 2500
    MarginRight = 2500
    MarginBottom = 2500
    PageWidth = 21010
    PageHeight = 29690
  end
  object PrinterSetupDialog1: TPrinterSetupDialog
  end
  object aNew: TAction
    Category = 'Αρχείο'
    Caption = 'Νέο αρχείο'
    Hint = 'Δημιουργία νέου αρχείου'
    ImageIndex = 11
    HelpContext = 1
    OnExecute = aNewExecute
  end
  object aFileNewFromTemplate: TAction
    Category = 'Αρχείο'
    Caption = 'Νεό αρχείο από πρότυπο...'
    OnExecute = aFileNewFromTemplateExecute
  end
  object aSave: TAction
    Category = 'Αρχείο'
    Caption = 'Αποθήκευση'
    Hint = 'Αποθήκευση αλλαγών'
    ImageIndex = 13
    HelpContext = 2
    OnExecute = aSaveExecute
  end
  object aSaveAs: TAction
    Category = 'Αρχείο'
    Caption = 'Αποθήκευση ως...'
    Hint = 'Αποθήκευση αρχείου με διαφορετικό όνομα'
    HelpContext = 3
    OnExecute = aSaveAsExecute
  end
  object aOpen: TAction
    Category = 'Αρχείο'
    Caption = 'Άνοιγμα...'
    Hint = 'Άνοιγμα αρχείου'
    ImageIndex = 64
    HelpContext = 4
    OnExecute = aOpenExecute
  end
  object aRecentFiles: TAction
    Category = 'Αρχείο'
    Caption = 'Πρόσφατα αρχεία'
    Hint = 'Άνοιγμα Πρόσφατων Αρχείων'
    HelpContext = 5
  end
  object aPreview: TAction
    Category = 'Αρχείο'
    Caption = 'Προεπισκόπηση...'
    Hint = 'Προεπισκόπηση Εκτύπωσης'
    ImageIndex = 14
    HelpContext = 6
    OnExecute = aPreviewExecute
    OnUpdate = aPreviewUpdate
  end
  object aPrint: TAction
    Category = 'Αρχείο'
    Caption = 'Εκτύπωση...'
    Hint = 'Εκτύπωση'
    ImageIndex = 19
    HelpContext = 7
    OnExecute = aPrintExecute
    OnUpdate = aPrintUpdate
  end
  object FilePageSetup1: TAction
    Category = 'Αρχείο'
    Caption = 'Ρύθμιση σελίδας...'
    Hint = 'Ρύθμιση Σελίδας Εκτυπωτή'
    HelpContext = 8
    OnExecute = FilePageSetup1Execute
  end
  object FilePrintSetup1: TAction
    Category = 'Αρχείο'
    Caption = 'Ρύθμιση εκτυπωτή...'
    Hint = 'Ρύθμιση Εκτυπωτή'
    HelpContext = 9
    OnExecute = FilePrintSetup1Execute
  end
  object aExit: TAction
    Category = 'Αρχείο'
    Caption = 'Έξοδος'
    Hint = 'Έξοδος από το Πρόγραμμα'
    OnExecute = aExitExecute
  end
  object aExportIkaApd: TAction
    Category = 'Αρχείο'
    Caption = 'Εξαγωγή σε ηλεκτρονική μορφή ΙΚΑ...'
    OnExecute = aExportIkaApdExecute
    OnUpdate = aExportIkaApdUpdate
  end
  object aInsertPage: TAction
    Category = 'Σελίδες'
    Caption = 'Προσθήκη σελίδας'
    Hint = 'Προσθήκη σελίδας στο έντυπο'
    ImageIndex = 61
    ShortCut = 16429
    OnExecute = aInsertPageExecute
    OnUpdate = aInsertPageUpdate
  end
  object aDeletePage: TAction
    Category = 'Σελίδες'
    Caption = 'Διαγραφή σελίδας'
    Hint = 'Διαγραφή επιλεγμένης σελίδας εντύπου'
    ImageIndex = 62
    ShortCut = 16430
    OnExecute = aDeletePageExecute
    OnUpdate = aInsertPageUpdate
  end
  object aPageSelect: TAction
    Category = 'Σελίδες'
    Caption = 'Επιλογή'
    Hint = 'Επιλογή Σελίδας Εντύπου'
    OnUpdate = aPageSelectUpdate
  end
  object aEmployes: TAction
    Category = 'Συλογές/Πίνακες'
    Caption = 'Εργοδότες'
    Hint = 'Εργοδότες'
    OnExecute = aEmployesExecute
  end
  object aEmployers: TAction
    Category = 'Συλογές/Πίνακες'
    Caption = 'Εργαζόμενοι'
    Hint = 'Εργαζόμενοι'
    OnExecute = aEmployersExecute
  end
  object aIkaOffices: TAction
    Category = 'Συλογές/Πίνακες'
    Caption = 'Καταστήματα ΙΚΑ'
    Hint = 'Υποκαταστήματα - Παραρτήματα Ι.Κ.Α.'
    OnExecute = aIkaOfficesExecute
  end
  object Action2: TAction
    Category = 'Συλογές/Πίνακες'
    Caption = 'Περιπτώσεις Ασφάλισης'
    Hint = 'Περιπτώσεις Ασφάλισης'
    OnExecute = Action2Execute
  end
  object Action1: TAction
    Category = 'Συλογές/Πίνακες'
    Caption = 'Πίνακας Αποδοχών'
    Hint = 'Πίνακας Αποδοχών'
    OnExecute = Action1Execute
  end
  object Action3: TAction
    Category = 'Συλογές/Πίνακες'
    Caption = 'Κατασκευαστικές Φάσεις'
    Hint = 'Κατασκευαστικές Φάσεις Δημοσίων/Ιδιωτικών Έργων'
    OnExecute = Action3Execute
  end
  object Action4: TAction
    Category = 'Προβολή'
    Caption = 'Κανονική'
    Hint = 'Κανονική Προβολή'
    ImageIndex = 18
    OnExecute = Action4Execute
  end
  object Action5: TAction
    Category = 'Προβολή'
    Caption = 'Μεγάλη'
    Hint = 'Μεγάλη Προβολή'
    ImageIndex = 17
    OnExecute = Action5Execute
  end
  object aH0Sheme: TAction
    Category = 'Επιλογές'
    Caption = 'Πλαίσια Τίτλων'
    Hint = 'Μορφοποίηση Πλαισίων Τίτλων'
    ImageIndex = 66
    OnUpdate = Action6Update
  end
  object aH2Sheme: TAction
    Category = 'Επιλογές'
    Caption = 'Πλαίσια Δεδομένων'
    Hint = 'Μορφοποίηση Πλαισίων Δεδομένων'
    ImageIndex = 67
    OnUpdate = Action6Update
  end
  object aH1Sheme: TAction
    Category = 'Επιλογές'
    Caption = 'Κενά Πλαίσια'
    Hint = 'Μορφοποίηση Κενών Πλαισίων'
    ImageIndex = 68
    OnUpdate = Action6Update
  end
  object Action6: TAction
    Category = 'Επιλογές'
    Caption = 'Πλαίσια Σημειώσεων'
    Hint = 'Μορφοποίηση Πλαισίων Σημειώσεων'
    ImageIndex = 69
    OnUpdate = Action6Update
  end
  object aFontH0: TAction
    Category = 'Επιλογές'
    Caption = 'Γραμματοσειρά'
    Hint = 'Αλλαγή Γραμματοσειράς'
    ImageIndex = 39
    OnExecute = aFontExecute
    OnUpdate = Action6Update
  end
  object aFontH1: TAction
    Category = 'Επιλογές'
    Caption = 'Γραμματοσειρά'
    Hint = 'Αλλαγή Γραμματοσειράς'
    ImageIndex = 39
    OnExecute = aFontExecute
    OnUpdate = Action6Update
  end
  object aFontH2: TAction
    Category = 'Επιλογές'
    Caption = 'Γραμματοσειρά'
    Hint = 'Αλλαγή Γραμματοσειράς'
    ImageIndex = 39
    OnExecute = aFontExecute
    OnUpdate = Action6Update
  end
  object aFontH3: TAction
    Category = 'Επιλογές'
    Caption = 'Γραμματοσειρά'
    Hint = 'Αλλαγή Γραμματοσειράς'
    ImageIndex = 39
    OnExecute = aFontExecute
    OnUpdate = Action6Update
  end
  object aColorH0: TAction
    Category = 'Επιλογές'
    Caption = 'Χρώμα Φόντου'
    Hint = 'Αλλαγή Χρώματος Φόντου'
    ImageIndex = 65
    OnExecute = aColorExecute
    OnUpdate = Action6Update
  end
  object aColorH1: TAction
    Category = 'Επιλογές'
    Caption = 'Χρώμα Φόντου'
    Hint = 'Αλλαγή Χρώματος Φόντου'
    ImageIndex = 65
    OnExecute = aColorExecute
    OnUpdate = Action6Update
  end
  object aColorH2: TAction
    Category = 'Επιλογές'
    Caption = 'Χρώμα Φόντου'
    Hint = 'Αλλαγή Χρώματος Φόντου'
    ImageIndex = 65
    OnExecute = aColorExecute
    OnUpdate = Action6Update
  end
  object aColorH3: TAction
    Category = 'Επιλογές'
    Caption = 'Χρώμα Φόντου'
    Hint = 'Αλλαγή Χρώματος Φόντου'
    ImageIndex = 65
    OnExecute = aColorExecute
    OnUpdate = Action6Update
  end
  object aPrintColorH0: TAction
    AutoCheck = True
    Checked = True
    Category = 'Επιλογές'
    Caption = 'Εκτύπωση Χρώματος φόντου'
    Hint = 'Εκτύπωση Χρώματος φόντου'
    OnExecute = aPrintColorExecute
  end
  object aPrintColorH1: TAction
    AutoCheck = True
    Checked = True
    Category = 'Επιλογές'
    Caption = 'Εκτύπωση Χρώματος φόντου'
    Hint = 'Εκτύπωση Χρώματος φόντου'
    OnExecute = aPrintColorExecute
  end
  object aPrintColorH2: TAction
    AutoCheck = True
    Checked = True
    Category = 'Επιλογές'
    Caption = 'Εκτύπωση Χρώματος φόντου'
    Hint = 'Εκτύπωση Χρώματος φόντου'
    OnExecute = aPrintColorExecute
  end
  object aPrintColorH3: TAction
    AutoCheck = True
    Category = 'Επιλογές'
    Caption = 'Εκτύπωση Χρώματος φόντου'
    Hint = 'Εκτύπωση Χρώματος φόντου'
    OnExecute = aPrintColorExecute
    OnUpdate = Action6Update
  end
  object aHelpContents: TAction
    Category = 'Βοήθεια'
    Caption = 'Περιεχόμενα'
    Hint = 'Περιεχόμενα Βοήθειας'
    ImageIndex = 63
    OnExecute = aHelpContentsExecute
    OnUpdate = aHelpUpdate
  end
  object aHelpIndex: TAction
    Category = 'Βοήθεια'
    Caption = 'Κατάλογος'
    Hint = 'Κατάλογος Θεμάτων στη Βοήθεια'
    OnExecute = aHelpIndexExecute
    OnUpdate = aHelpUpdate
  end
  object aHelpSearch: TAction
    Category = 'Βοήθεια'
    Caption = 'Αναζήτηση'
    Hint = 'Αναζήτηση Ενότητας στη Βοήθεια'
    OnExecute = aHelpSearchExecute
    OnUpdate = aHelpUpdate
  end
  object aAbout: TAction
    Category = 'Βοήθεια'
    Caption = 'Για το πρόγραμμα...'
    Hint = 'Για το πρόγραμμα'
    OnExecute = aAboutExecute
    OnUpdate = aAboutUpdate
  end
end
