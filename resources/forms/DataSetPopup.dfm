inherited DataSetPopup: TDataSetPopup
  BorderWidth = 1
  Caption = 'DataSetPopup'
  ClientHeight = 306
  ClientWidth = 506
  object Panel1: TPanel
    Left = 1
    Top = 1
    Width = 506
    Height = 306
    Align = alClient
    TabOrder = 0
    inline DataSetFilterFrame1: TDataSetFilterFrame
      Left = 1
      Top = 1
      Width = 504
      Height = 304
      Align = alClient
      TabOrder = 0
    end
  end
end
