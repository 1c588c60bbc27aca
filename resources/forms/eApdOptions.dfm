object eApdOptions: TeApdOptions
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Position = poScreenCenter
  Caption = 'Επιλογές εξαγωγής σε ηλεκτρονική μορφή'
  ClientHeight = 315
  ClientWidth = 516
  Font.Charset = GREEK_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  object Label7: TLabel
    Left = 8
    Top = 8
    Width = 186
    Height = 13
    Caption = 'Ημερομηνία Υποβολής ΑΠΔ'
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 56
    Width = 503
    Height = 105
    Caption = 'Εργοδότης'
    TabOrder = 2
    object RadioButton1: TRadioButton
      Left = 8
      Top = 24
      Width = 145
      Height = 17
      Caption = 'Νομικό Πρόσωπο'
      Checked = True
      TabOrder = 0
      OnClick = RadioButton1Click
    end
    object RadioButton2: TRadioButton
      Left = 168
      Top = 24
      Width = 145
      Height = 17
      Caption = 'Φυσικό Πρόσωπο'
      TabOrder = 1
      OnClick = RadioButton1Click
    end
    object Panel1: TPanel
      Left = 8
      Top = 52
      Width = 489
      Height = 45
      BevelOuter = bvNone
      TabOrder = 2
      object Label1: TLabel
        Left = 0
        Top = 0
        Width = 52
        Height = 13
        Caption = 'Επωνυμία'
      end
      object Edit1: TEdit
        Left = 0
        Top = 16
        Width = 487
        Height = 21
        TabOrder = 0
      end
    end
    object Panel2: TPanel
      Left = 8
      Top = 52
      Width = 489
      Height = 45
      BevelOuter = bvNone
      TabOrder = 3
      Visible = False
      object Label2: TLabel
        Left = 0
        Top = 0
        Width = 50
        Height = 13
        Caption = 'Επωνυμο'
      end
      object Label3: TLabel
        Left = 240
        Top = 0
        Width = 34
        Height = 13
        Caption = 'Όνομα'
      end
      object Label4: TLabel
        Left = 366
        Top = 0
        Width = 60
        Height = 13
        Caption = 'Πατρόνυμο'
      end
      object Edit2: TEdit
        Left = 0
        Top = 16
        Width = 231
        Height = 21
        TabOrder = 0
      end
      object Edit3: TEdit
        Left = 240
        Top = 16
        Width = 121
        Height = 21
        TabOrder = 1
      end
      object Edit4: TEdit
        Left = 366
        Top = 16
        Width = 121
        Height = 21
        TabOrder = 2
      end
    end
  end
  object Button1: TButton
    Left = 352
    Top = 282
    Width = 75
    Height = 25
    Caption = '&Εντάξει'
    Default = True
    ModalResult = 1
    TabOrder = 7
  end
  object Button2: TButton
    Left = 436
    Top = 282
    Width = 75
    Height = 25
    Cancel = True
    Caption = '&Άκυρο'
    ModalResult = 2
    TabOrder = 8
  end
  object DateTimePicker1: TDateTimePicker
    Left = 8
    Top = 24
    Width = 186
    Height = 21
    Date = 37643.0
    TabOrder = 0
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 168
    Width = 281
    Height = 109
    Caption = 'Εκτύπωση'
    TabOrder = 3
    object Label5: TLabel
      Left = 8
      Top = 60
      Width = 74
      Height = 13
      Caption = 'Γραμματοσειρά'
    end
    object Label6: TLabel
      Left = 216
      Top = 60
      Width = 44
      Height = 13
      Caption = 'Μέγεθος'
    end
    object CheckBox1: TCheckBox
      Left = 8
      Top = 18
      Width = 265
      Height = 17
      Caption = 'Συνοδευτικού εντύπου'
      Checked = True
      TabOrder = 0
    end
    object CheckBox2: TCheckBox
      Left = 8
      Top = 38
      Width = 265
      Height = 17
      Caption = 'Αναλυτικού τεύχους'
      TabOrder = 1
    end
    object FontName: TComboBox
      Left = 8
      Top = 76
      Width = 137
      Height = 21
      TabOrder = 2
      Text = 'Courier New'
    end
    object FontBold: TCheckBox
      Left = 150
      Top = 78
      Width = 62
      Height = 17
      Caption = 'Έντονα'
      TabOrder = 3
    end
    object FontSize: TComboBox
      Left = 216
      Top = 76
      Width = 57
      Height = 21
      TabOrder = 4
      Text = '9'
      Items.Strings = (
        '8'
        '9'
        '10'
        '11'
        '12'
        '14')
    end
  end
  object GroupBox2: TGroupBox
    Left = 296
    Top = 168
    Width = 215
    Height = 109
    Caption = 'Δημιουργία αρχείου CSC01(Για ΙΚΑ)'
    TabOrder = 5
    object Button3: TButton
      Left = 8
      Top = 24
      Width = 89
      Height = 25
      Caption = 'Τοποθεσία'
      TabOrder = 0
      OnClick = Button3Click
    end
    object Edit5: TEdit
      Left = 8
      Top = 60
      Width = 199
      Height = 21
      TabOrder = 1
      Text = 'a:\csc01'
    end
  end
  object CheckBox3: TCheckBox
    Left = 485
    Top = 168
    Width = 17
    Height = 17
    Checked = True
    TabOrder = 4
  end
  object pnlStop: TPanel
    Left = 320
    Top = 8
    Width = 188
    Height = 41
    BevelOuter = bvNone
    TabOrder = 1
    Visible = False
    object Label8: TLabel
      Left = 0
      Top = 0
      Width = 186
      Height = 13
      Caption = 'Ημερομηνία Λήξης Εργασιών'
    end
    object DateTimePicker2: TDateTimePicker
      Left = 0
      Top = 16
      Width = 186
      Height = 21
      Date = 37643.0
      TabOrder = 0
    end
  end
  object CheckBox4: TCheckBox
    Left = 8
    Top = 288
    Width = 209
    Height = 17
    Caption = 'Εκτύπωση Ετικέτας δισκέτας'
    Checked = True
    TabOrder = 6
  end
  object SaveDialog1: TSaveDialog
    Left = 256
    Top = 8
  end
end
