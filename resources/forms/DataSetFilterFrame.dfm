object DataSetFilterFrame: TDataSetFilterFrame
  Left = 0
  Top = 0
  Width = 501
  Height = 342
  TabOrder = 0
  object Panel2: TPanel
    Left = 0
    Top = 0
    Width = 501
    Height = 38
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Label1: TLabel
      Left = 6
      Top = 0
      Width = 64
      Height = 13
      Caption = 'Ταξινόμηση'
    end
    object Label2: TLabel
      Left = 168
      Top = 0
      Width = 36
      Height = 13
      Caption = 'Φίλτρο'
    end
    object IndexCombo: TComboBox
      Left = 6
      Top = 14
      Width = 153
      Height = 21
      Style = csDropDownList
      TabOrder = 0
      OnChange = IndexComboChange
    end
    object FieldsCombo: TComboBox
      Left = 165
      Top = 14
      Width = 129
      Height = 21
      Style = csDropDownList
      TabOrder = 1
      OnChange = FieldsComboChange
      OnClick = FilterValueEditChange
    end
    object FilterKindCombo: TComboBox
      Left = 300
      Top = 14
      Width = 47
      Height = 21
      Style = csDropDownList
      TabOrder = 2
      OnClick = FilterValueEditChange
    end
    object FilterValueEdit: TComboBox
      Left = 352
      Top = 14
      Width = 145
      Height = 21
      Anchors = [akLeft, akTop, akRight]
      Style = csSimple
      TabOrder = 3
      OnChange = FilterValueEditChange
    end
  end
  object DBGrid1: TDBGrid
    Left = 6
    Top = 38
    Width = 490
    Height = 299
    Anchors = [akLeft, akTop, akRight, akBottom]
    DataSource = DataSource
    TabOrder = 1
    TitleFont.Charset = DEFAULT_CHARSET
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    TitleFont.Style = []
  end
  object DataSource: TDataSource
    Left = 216
    Top = 120
  end
end
