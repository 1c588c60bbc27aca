inherited ListBoxPopup: TListBoxPopup
  Caption = 'APDPopup'
  ClientHeight = 87
  ClientWidth = 151
  object ListBox1: TListBox
    Left = 0
    Top = 0
    Width = 151
    Height = 87
    Align = alClient
    BevelInner = bvNone
    BevelKind = bkFlat
    BevelOuter = bvRaised
    BorderStyle = bsNone
    ItemHeight = 13
    TabOrder = 0
    OnClick = ListBox1Click
  end
end
