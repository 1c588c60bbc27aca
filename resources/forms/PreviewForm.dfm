object PreviewForm: TPreviewForm
  Left = 0
  Top = 0
  Width = 696
  Height = 480
  Caption = 'Προεπισκόπηση'
  HelpType = htKeyword
  HelpKeyword = 'print-preview'
  FormStyle = fsStayOnTop
  WindowState = wsMaximized
  object CoolBar1: TPanel
    Align = alTop
    Height = 34
    BevelOuter = bvNone
    Caption = ''
    object ActionToolBar1: TActionToolBar
      Align = alClient
    end
  end
  object StatusBar1: TStatusBar
    Align = alBottom
    Height = 19
  end
  object DocPreview1: TXDocPreview
    Align = alClient
    PageIndex = 0
    Style = psActualSize
  end
  object aFirst: TAction
    Caption = 'Πρώτη σελίδα'
    Hint = 'Πρώτη σελίδα'
    ImageIndex = 0
    OnExecute = aFirstExecute
    OnUpdate = aFirstUpdate
  end
  object aPrev: TAction
    Caption = 'Προηγούμενη Σελίδα'
    Hint = 'Προηγούμενη Σελίδα'
    ImageIndex = 1
    OnExecute = aPrevExecute
    OnUpdate = aPrevUpdate
  end
  object aNext: TAction
    Caption = 'Επόμενη Σελίδα'
    Hint = 'Επόμενη Σελίδα'
    ImageIndex = 2
    OnExecute = aNextExecute
    OnUpdate = aNextUpdate
  end
  object aLast: TAction
    Caption = 'Τελευταία σελίδα'
    Hint = 'Τελευταία σελίδα'
    ImageIndex = 3
    OnExecute = aLastExecute
    OnUpdate = aLastUpdate
  end
  object aZoomToFit: TAction
    AutoCheck = True
    Caption = 'Εμφάνιση ολόκληρης σελίδας'
    GroupIndex = 2
    Hint = 'Εμφάνιση ολόκληρης σελίδας'
    ImageIndex = 4
    OnExecute = aZoomToFitExecute
  end
  object aZoomActual: TAction
    AutoCheck = True
    Caption = 'Πραγματικό μέγεθος σελίδας'
    GroupIndex = 2
    ImageIndex = 5
    OnExecute = aZoomActualExecute
  end
  object aZoomWidth: TAction
    AutoCheck = True
    Caption = 'Μεγαλύτερο μέγεθος'
    Checked = True
    GroupIndex = 2
    ImageIndex = 6
    OnExecute = aZoomWidthExecute
  end
  object aPrint: TAction
    Caption = 'Εκτύπωση'
    Hint = 'Εκτύπωση'
    ImageIndex = 7
    OnExecute = aPrintExecute
  end
  object aClose: TAction
    Caption = 'Έξοδος'
    OnExecute = aCloseExecute
  end
end
