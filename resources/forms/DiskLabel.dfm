object DiskLabel: TDiskLabel
  Left = 0
  Top = 0
  Caption = 'DiskLabel'
  ClientWidth = 400
  ClientHeight = 400
  object ApdLabel: TXFrame
    Maping = mpLoMetricMaping
    Flat = False
    Group = -1
    DropDownButton = False
    HeaderFooter = False
    ForceNewPage = False
    HorzSize = 1000
    VertSize = 1000
    Borders = []
    Caption = ''
    HorzAnchor = haLeft
    HorzIdent = 0
    VertAnchor = vaTop
    VertIdent = 0
    Color = clWhite
    ParentColor = False
    TabOrder = 0
    object ApdLabel50x70: TXFrame
      Maping = mpLoMetricMaping
      Flat = False
      Group = -1
      DropDownButton = False
      HeaderFooter = False
      ForceNewPage = False
      HorzSize = 700
      VertSize = 500
      Borders = [rsLeft, rsTop, rsRight, rsBottom]
      Caption = ''
      HorzAnchor = haCenter
      HorzIdent = 0
      VertAnchor = vaCenter
      VertIdent = 0
      Color = clWhite
      ParentColor = False
      Font.Charset = GREEK_CHARSET
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Courier New'
      Font.Style = []
      ParentFont = False
      TabOrder = 0
      object XFrame2: TXFrame
        Maping = mpLoMetricMaping
        Flat = False
        Group = -1
        DropDownButton = False
        HeaderFooter = False
        ForceNewPage = False
        HorzSize = 700
        VertSize = 75
        Align = alTop
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Caption = 'Α.Μ.Ο.Ε: '
        Alignment = taLeftJustify
        Layout = tlCenter
        WordWrap = False
        TabOrder = 0
      end
      object XFrame3: TXFrame
        Maping = mpLoMetricMaping
        Flat = False
        Group = -1
        DropDownButton = False
        HeaderFooter = False
        ForceNewPage = False
        HorzSize = 700
        VertSize = 75
        Align = alTop
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Caption = 'Α.Φ.Μ:   '
        Alignment = taLeftJustify
        Layout = tlCenter
        WordWrap = False
        TabOrder = 1
      end
      object XFrame4: TXFrame
        Maping = mpLoMetricMaping
        Flat = False
        Group = -1
        DropDownButton = False
        HeaderFooter = False
        ForceNewPage = False
        HorzSize = 700
        VertSize = 75
        Align = alTop
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Caption = 'Περίοδος:'
        Alignment = taLeftJustify
        Layout = tlCenter
        WordWrap = False
        TabOrder = 2
      end
      object XFrame5: TXFrame
        Maping = mpLoMetricMaping
        Flat = False
        Group = -1
        DropDownButton = False
        HeaderFooter = False
        ForceNewPage = False
        HorzSize = 700
        VertSize = 75
        Align = alTop
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Caption = 'Μέσο: 1          Από: 1 '
        Alignment = taLeftJustify
        Layout = tlCenter
        WordWrap = False
        TabOrder = 3
      end
    end
    object XFrame6: TXFrame
      Maping = mpLoMetricMaping
      Flat = False
      Group = -1
      DropDownButton = False
      HeaderFooter = False
      ForceNewPage = False
      HorzSize = 400
      VertSize = 80
      Borders = []
      Caption = 'Ετικέτα δισκέτας'
      Alignment = taCenter
      Layout = tlBottom
      WordWrap = False
      HorzAnchor = haCenter
      HorzIdent = 0
      VertAnchor = vaTop
      VertIdent = 100
      TabOrder = 1
    end
    object XFrame7: TXFrame
      Maping = mpLoMetricMaping
      Flat = False
      Group = -1
      DropDownButton = False
      HeaderFooter = False
      ForceNewPage = False
      HorzSize = 400
      VertSize = 80
      Borders = []
      Caption = 'Ετικέτα δισκέτας'
      Alignment = taCenter
      Layout = tlTop
      WordWrap = False
      HorzAnchor = haCenter
      HorzIdent = 0
      VertAnchor = vaBottom
      VertIdent = 100
      TabOrder = 2
    end
  end
end
