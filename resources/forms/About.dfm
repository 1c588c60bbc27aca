object About: TAbout
  Left = 303
  Top = 149
  BorderStyle = bsToolWindow
  Caption = 'Για το πρόγραμμα'
  ClientHeight = 309
  ClientWidth = 412
  Color = clBlack
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  object Label2: TLabel
    Left = 8
    Top = 272
    Width = 393
    Height = 13
    Anchors = [akLeft, akBottom]
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object NameRoller1: TNameRoller
    Left = 8
    Top = 8
    Width = 393
    Height = 255
    Anchors = [akLeft, akTop, akRight, akBottom]
    Cursor = -21
    Font.Charset = GREEK_CHARSET
    Font.Color = clWhite
    Font.Height = -16
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
    Items.Strings = (
      'ΑΝΑΛΥΤΙΚΗ '
      ''
      'ΠΕΡΙΟΔΙΚΗ '
      ''
      'ΔΗΛΩΣΗ '
      ''
      'ΙΚΑ '
      ''
      'ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΩΝ '
      ''
      'ΕΡΓΩΝ'
      ''
      'Dovra Α.Π.Δ.'
      ''
      'για εργοδότες οικοδομών'
      '')
    ItemIndex = 0
    FocusedSize = 40
    Scroll = True
    OnClick = NameRoller1Click
  end
end
