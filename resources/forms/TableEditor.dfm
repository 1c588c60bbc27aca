object TableEditor: TTableEditor
  Left = 0
  Top = 0
  Width = 516
  Height = 389
  Caption = 'TableEditor'
  HelpType = htKeyword
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 516
    Height = 33
    Align = alTop
    BevelOuter = bvNone
    Caption = ''
    TabOrder = 0
    object DBNavigator: TDBNavigator
      Left = 8
      Top = 4
      Width = 240
      Height = 25
      DataSource = DataSource
      Flat = True
      ShowHint = True
      Hints.Strings = (
        'Πρώτη εγγραφή'
        'Προηγούμενη εγγραφή'
        'Επόμενη εγγραφή'
        'Τελευταία εγγραφή'
        'Εισαγωγή εγγραφής'
        'Διαγγραφή εγγραφής'
        'Επεξεργασία εγγραφής'
        'Διάσωση αλλαγών'
        'Ακύρωση αλλαγών'
        'Ανανέωση')
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 370
    Width = 516
    Height = 19
    Align = alBottom
    TabOrder = 2
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 33
    Width = 516
    Height = 337
    Align = alClient
    TabOrder = 1
    object TabSheet2: TTabSheet
      Caption = 'Συνοπτικά'
      inline DataSetFilterFrame1: TDataSetFilterFrame
        Left = 0
        Top = 0
        Width = 508
        Height = 309
        Align = alClient
      end
    end
    object TabSheet1: TTabSheet
      Caption = 'Αναλυτικά'
      object ScrollBox1: TScrollBox
        Left = 0
        Top = 0
        Width = 508
        Height = 309
        Align = alClient
      end
    end
  end
  object DataSource: TDataSource
  end
end
