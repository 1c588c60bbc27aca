object EmployFrame: TEmployFrame
  Left = 0
  Top = 0
  Width = 680
  Height = 880
  Align = alClient
  Color = clWhite
  ParentColor = False
  TabOrder = 0
  object ClientFrame: TXFrame
    Maping = mpLoMetricMaping
    HorzSize = 1750
    VertSize = 2300
    Borders = [rsTop]
    Align = alTop
    TabOrder = 0
    ForceNewPage = True
    Notifier = XFrameNotifier1
    Sheme = ShemeH2
    object XFrame493: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 140
      Borders = [rsTop]
      Align = alTop
      TabOrder = 0
      Visible = False
      OnPrintInit = XFrame493PrintInit
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object XFrame494: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 1750
        VertSize = 61
        Borders = []
        Align = alTop
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        object XFrame495: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 320
          VertSize = 61
          Borders = [rsLeft, rsTop]
          Caption = 'Α.Μ.Ε.'
          Alignment = taCenter
          Layout = tlCenter
          Align = alLeft
          TabOrder = 0
          Notifier = XFrameNotifier1
          Sheme = ShemeH0
        end
        object frameAME: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 273
          VertSize = 61
          Borders = [rsLeft, rsTop]
          Caption = ''
          Alignment = taCenter
          Layout = tlCenter
          Align = alLeft
          TabOrder = 1
          OnPrint = frameAMEPrint
          Notifier = XFrameNotifier1
          Sheme = ShemeH2
        end
        object XFrame497: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 320
          VertSize = 61
          Borders = [rsLeft, rsTop]
          Caption = 'Α.Μ.Ο.Ε.'
          Alignment = taCenter
          Layout = tlCenter
          Align = alLeft
          TabOrder = 2
          Notifier = XFrameNotifier1
          Sheme = ShemeH0
        end
        object frameAMOE: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 273
          VertSize = 61
          Borders = [rsLeft, rsTop]
          Caption = ''
          Alignment = taCenter
          Layout = tlCenter
          Align = alLeft
          TabOrder = 3
          OnPrint = frameAMOEPrint
          Notifier = XFrameNotifier1
          Sheme = ShemeH2
        end
        object XFrame499: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 320
          VertSize = 61
          Borders = [rsLeft, rsTop]
          Caption = 'Α.Φ.Μ.'
          Alignment = taCenter
          Layout = tlCenter
          Align = alLeft
          TabOrder = 4
          Notifier = XFrameNotifier1
          Sheme = ShemeH0
        end
        object frameAFM: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 244
          VertSize = 61
          Borders = [rsLeft, rsTop, rsRight]
          Caption = ''
          Alignment = taCenter
          Layout = tlCenter
          Align = alClient
          TabOrder = 5
          OnPrint = frameAFMPrint
          Notifier = XFrameNotifier1
          Sheme = ShemeH2
        end
      end
      object XFrame501: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 1750
        VertSize = 61
        Borders = []
        Align = alTop
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        object XFrame504: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 1185
          VertSize = 61
          Borders = [rsLeft, rsTop, rsBottom]
          Align = alLeft
          TabOrder = 0
          Notifier = XFrameNotifier1
          Sheme = ShemeH1
        end
        object XFrame502: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 394
          VertSize = 61
          Borders = [rsLeft, rsTop, rsBottom]
          Caption = 'ΜΗΝΑΣ/ ΕΤΟΣ'
          Alignment = taCenter
          Layout = tlCenter
          Align = alLeft
          TabOrder = 1
          Notifier = XFrameNotifier1
          Sheme = ShemeH0
        end
        object XFrame503: TXDateFrame
          Maping = mpLoMetricMaping
          HorzSize = 171
          VertSize = 61
          Borders = [rsLeft, rsTop, rsRight, rsBottom]
          Alignment = taCenter
          Layout = tlCenter
          Align = alClient
          TabOrder = 2
          DropDownButton = False
          InplaceEdit = False
          DateFormat = 'M/yyyy'
          OnPrint = XFrame503Print
          Notifier = XFrameNotifier1
          Sheme = ShemeH2
        end
      end
    end
    object Row27: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 7
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No27: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '27'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title27: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΟΝΟΜΑ ΜΗΤΡΟΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame24: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ ΜΗΤΡΟΣ'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame15: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ ΜΗΤΡΟΣ'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame6: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ ΜΗΤΡΟΣ'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row21: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 86
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 1
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No21: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = '21'
        Alignment = taCenter
        Layout = tlTop
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title21: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = 'ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΕΚΤΕΛΕΣΗΣ ΕΡΓΟΥ'
        Alignment = taLeftJustify
        Layout = tlTop
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Frame21C: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        OnDropDown = Frame21CDropDown
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Frame21D: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        OnDropDown = Frame21CDropDown
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Frame21E: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 79
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        OnDropDown = Frame21CDropDown
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row22: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 2
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No22: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '22'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title22: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object XFrame22a: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 9
        DataField = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
        Group = 1
        OnClick = XFrame22cClick
        OnChangeText = XFrame22aChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XFrame22b: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 9
        DataField = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
        Group = 2
        OnClick = XFrame22cClick
        OnChangeText = XFrame22aChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XFrame22c: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 9
        DataField = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
        Group = 3
        OnClick = XFrame22cClick
        OnChangeText = XFrame22aChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row23: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 3
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No23: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '23'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title23: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'Α.Μ.Κ.Α.'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object XFrame23a: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 11
        DataField = 'Α.Μ.Κ.Α.'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XFrame23b: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 11
        DataField = 'Α.Μ.Κ.Α.'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XFrame23c: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 11
        DataField = 'Α.Μ.Κ.Α.'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row24: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 4
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No24: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '24'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title24: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΕΠΩΝΥΜΟ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame21: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΕΠΩΝΥΜΟ'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame12: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΕΠΩΝΥΜΟ'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame3: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΕΠΩΝΥΜΟ'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row25: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 5
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No25: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '25'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title25: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΟΝΟΜΑ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame22: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame13: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame4: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row26: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 6
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No26: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '26'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title26: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΟΝΟΜΑ ΠΑΤΡΟΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame23: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ ΠΑΤΡΟΣ'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame14: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ ΠΑΤΡΟΣ'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame5: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΟΝΟΜΑ ΠΑΤΡΟΣ'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row28: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 93
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 8
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No28: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = '28'
        Alignment = taCenter
        Layout = tlTop
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title28: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = 'ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ (ΗΗ/ΜΜ/ΕΕΕΕ)'
        Alignment = taLeftJustify
        Layout = tlTop
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame25: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame16: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame7: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 79
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row29: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 9
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No29: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '29'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title29: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'Α.Φ.Μ.'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame26: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 9
        DataField = 'Α.Φ.Μ.'
        Group = 1
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame17: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 9
        DataField = 'Α.Φ.Μ.'
        Group = 2
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame8: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        MaxTextSize = 9
        DataField = 'Α.Φ.Μ.'
        Group = 3
        OnClick = XFrame22cClick
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row30: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 10
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No30: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '30'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title30: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΑΓΑΜΟΣ/ΕΓΓΑΜΟΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Married1: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΕΓΓΑΜΟΣ'
        Group = 1
        OnClick = XFrame22cClick
        OnChangeText = Specialty1ChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Married2: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΕΓΓΑΜΟΣ'
        Group = 2
        OnClick = XFrame22cClick
        OnChangeText = Specialty2ChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Married3: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΕΓΓΑΜΟΣ'
        Group = 3
        OnClick = XFrame22cClick
        OnChangeText = Specialty3ChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row31: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 11
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No31: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '31'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title31: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Periods1: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        Group = 1
        OnClick = XFrame22cClick
        OnChangeText = Specialty1ChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Periods2: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        Group = 2
        OnClick = XFrame22cClick
        OnChangeText = Specialty2ChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Periods3: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DataField = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        Group = 3
        OnClick = XFrame22cClick
        OnChangeText = Specialty3ChangeText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row32: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 12
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No32: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '32'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title32: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΚΥΡΙΑΚΕΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object XIntegerFrame1: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnChangeText = Payment1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 1
      end
      object XIntegerFrame2: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnChangeText = Payment2ChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 1
      end
      object XIntegerFrame3: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnChangeText = Paeyment3ChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 1
      end
    end
    object Row33: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 13
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No33: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '33'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title33: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Specialty1: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        InplaceEdit = False
        DataField = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        Group = 1
        OnDropDown = Specialty1DropDown
        OnChangeText = Specialty1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Specialty2: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        InplaceEdit = False
        DataField = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        Group = 2
        OnDropDown = Specialty1DropDown
        OnChangeText = Specialty2ChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object Specialty3: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        InplaceEdit = False
        DataField = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        Group = 3
        OnDropDown = Specialty1DropDown
        OnChangeText = Specialty3ChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row34: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 14
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No34: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '34'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title34: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ.'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object xFrame34a: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        InplaceEdit = False
        Group = 1
        OnGetPrintText = xFrame34aGetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object xFrame34b: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        InplaceEdit = False
        Group = 2
        OnGetPrintText = xFrame34aGetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object xFrame34c: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        InplaceEdit = False
        Group = 3
        OnGetPrintText = xFrame34aGetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row35: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 15
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No35: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '35'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title35: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object xFrame35a: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        DataField = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        Group = 1
        OnDropDown = xFrame34aDropDown
        OnChangeText = xFrame35aChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object xFrame35b: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        DataField = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        Group = 2
        OnDropDown = xFrame34aDropDown
        OnChangeText = xFrame35bChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object xFrame35c: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        DataField = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        Group = 3
        OnDropDown = xFrame34aDropDown
        OnChangeText = xFrame35cChangeText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row36: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 16
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No36: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '36'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title36: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΑΠΟ ΗΜ/ΝΙΑ ΑΠΑΣΧ.'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object XDateFrame1: TXDateFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        DropDownButton = True
        DateFormat = 'dd/mm/yyyy'
        OnDateChange = XDateFrame1DateChange
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XDateFrame2: TXDateFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        DropDownButton = True
        DateFormat = 'dd/mm/yyyy'
        OnDateChange = XDateFrame2DateChange
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XDateFrame3: TXDateFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        DropDownButton = True
        DateFormat = 'dd/mm/yyyy'
        OnDateChange = XDateFrame3DateChange
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row37: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 17
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No37: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '37'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title37: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΕΩΣ ΗΜ/ΝΙΑ ΑΠΑΣΧ.'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object XDateFrame4: TXDateFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        DropDownButton = True
        DateFormat = 'dd/mm/yyyy'
        OnDateChange = XDateFrame1DateChange
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XDateFrame5: TXDateFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        DropDownButton = True
        DateFormat = 'dd/mm/yyyy'
        OnDateChange = XDateFrame2DateChange
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XDateFrame6: TXDateFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        DropDownButton = True
        DateFormat = 'dd/mm/yyyy'
        OnDateChange = XDateFrame3DateChange
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row38: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 18
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No38: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '38'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title38: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΤΥΠΟΣ ΑΠΟΔΟΧΩΝ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object XFrame131: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        OnDropDown = XFrame131Click
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XFrame132: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        OnDropDown = XFrame131Click
        OnClick = XFrame131Click
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object XFrame475: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        DropDownButton = True
        OnDropDown = XFrame131Click
        OnClick = XFrame131Click
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row39: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 19
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No39: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '39'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title39: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΗΜ. ΑΠΑΣΧΟΛΗΣΗΣ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DayCount39_1: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnChangeText = Payment1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 2
      end
      object DayCount39_2: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnChangeText = Payment2ChangeText
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 2
      end
      object DayCount39_3: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnChangeText = Paeyment3ChangeText
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 2
      end
    end
    object Row40: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 20
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No40: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '40'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title40: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΗΜΕΡΟΜΙΣΘΙΟ*'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Payment1: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnClick = Payment1DblClick
        OnChangeText = Payment1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object Payment2: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnClick = Payment2DblClick
        OnChangeText = Payment2ChangeText
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object Payment3: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnClick = Payment3DblClick
        OnChangeText = Paeyment3ChangeText
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
    end
    object Row41: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 21
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No41: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '41'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title41: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΑΠΟΔΟΧΕΣ*'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Apodoxes1: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnChangeText = Apodoxes1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object Apodoxes2: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnChangeText = Apodoxes2ChangeText
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object Apodoxes3: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnChangeText = Apodoxes3ChangeText
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
    end
    object Row42: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 93
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 22
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No42: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = '42'
        Alignment = taCenter
        Layout = tlTop
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title42: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = 'ΚΑΤΑΣΚ.ΦΑΣΗ ή ΕΡΓΑΣ.ΔΗΜΟΣΙΟΥ'
        Alignment = taLeftJustify
        Layout = tlTop
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DbLookupXFrame9: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        HoverColor = 16744576
        InplaceEdit = False
        DataField = 'ΚΩΔΙΚΟΣ'
        OnClick = DbLookupXFrame9Click
        OnGetPrintText = DayCount39_1GetPrintText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame18: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 79
        Borders = [rsLeft, rsTop]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        HoverColor = 16744576
        InplaceEdit = False
        DataField = 'ΚΩΔΙΚΟΣ'
        OnClick = DbLookupXFrame9Click
        OnGetPrintText = XDateFrame2GetPrintText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
      object DbLookupXFrame27: TDbLookupXFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 79
        Borders = [rsLeft, rsTop, rsRight]
        Caption = ''
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        HoverColor = 16744576
        InplaceEdit = False
        DataField = 'ΚΩΔΙΚΟΣ'
        OnClick = DbLookupXFrame9Click
        OnGetPrintText = XDateFrame3GetPrintText
        Cursor = -21
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
      end
    end
    object Row43: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 23
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No43: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '43'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title43: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΗΜ. ΑΠΟΛΟΓΙΣΤΙΚΩΝ'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object DayCount43_1: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnChangeText = Payment1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 2
      end
      object DayCount43_2: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taCenter
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnChangeText = Payment2ChangeText
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 2
      end
      object DayCount43_3: TXIntegerFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taCenter
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnChangeText = Paeyment3ChangeText
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 2
      end
    end
    object Row44: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 24
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No44: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '44'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title44: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΕΙΣΦΟΡΕΣ ΑΣΦΑΛΙΣΜΕΝΟΥ*'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object EisforesEmpolyer1: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object EisforesEmpolyer2: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object EisforesEmpolyer3: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
    end
    object Row45: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 25
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No45: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = '45'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title45: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Caption = 'ΕΙΣΦΟΡΕΣ ΕΡΓΟΔΟΤΗ*'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object EisforesEmpolyee1: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object EisforesEmpolyee2: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
      object EisforesEmpolyee3: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 10
      end
    end
    object Row46: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 53
      Borders = [rsLeft, rsTop]
      Align = alTop
      TabOrder = 26
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object No46: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 79
        VertSize = 50
        Borders = [rsLeft, rsTop, rsBottom]
        Caption = '46'
        Alignment = taCenter
        Layout = tlBottom
        Align = alLeft
        TabOrder = 0
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object Title46: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop, rsBottom]
        Caption = 'ΣΥΝΟΛΙΚΕΣ ΕΙΣΦΟΡΕΣ*'
        Alignment = taLeftJustify
        Layout = tlBottom
        WordWrap = True
        Align = alLeft
        TabOrder = 1
        Notifier = XFrameNotifier1
        Sheme = ShemeH0
      end
      object EisforesTotal1: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop, rsBottom]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 2
        TabStop = True
        OnChangeText = EisforesTotal1ChangeText
        OnGetPrintText = DayCount39_1GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 11
      end
      object EisforesTotal2: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 421
        VertSize = 50
        Borders = [rsLeft, rsTop, rsBottom]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alLeft
        TabOrder = 3
        TabStop = True
        OnChangeText = EisforesTotal1ChangeText
        OnGetPrintText = XDateFrame2GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 11
      end
      object EisforesTotal3: TXCurrencyFrame
        Maping = mpLoMetricMaping
        HorzSize = 408
        VertSize = 50
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Alignment = taRightJustify
        Layout = tlCenter
        Align = alClient
        TabOrder = 4
        TabStop = True
        OnChangeText = EisforesTotal1ChangeText
        OnGetPrintText = XDateFrame3GetPrintText
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        FieldWidth = 11
      end
    end
    object XFrame13: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 210
      Borders = []
      Align = alTop
      TabOrder = 27
      OnPrintInit = XFrame1PrintInit
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object XFrame14: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 1750
        VertSize = 190
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Align = alBottom
        TabOrder = 0
        Visible = False
        OnPrintInit = XFrame1PrintInit
        Notifier = XFrameNotifier1
        Sheme = ShemeH2
        object XFrame15: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 1750
          VertSize = 60
          Borders = [rsLeft, rsTop, rsRight, rsBottom]
          Align = alTop
          TabOrder = 0
          Notifier = XFrameNotifier1
          Sheme = ShemeH2
          object XFrame16: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 79
            VertSize = 60
            Borders = [rsLeft, rsTop]
            Caption = '47'
            Alignment = taCenter
            Layout = tlCenter
            Align = alLeft
            TabOrder = 0
            Notifier = XFrameNotifier1
            Sheme = ShemeH0
          end
          object XFrame17: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 1671
            VertSize = 60
            Borders = [rsLeft, rsTop]
            Caption = 'ΔΙΑΚΟΠΗ ΟΙΚΟΔΟΜΙΚΩΝ ΕΡΓΑΣΙΩΝ (Συμπληρώνεται μόνο όταν ο τύπος της δήλωσης είναι 02: Έκτακτη)'
            Alignment = taLeftJustify
            Layout = tlCenter
            WordWrap = True
            Align = alClient
            TabOrder = 1
            Notifier = XFrameNotifier1
            Sheme = ShemeH0
          end
        end
        object XFrame21: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 1750
          VertSize = 130
          Borders = [rsLeft, rsRight, rsBottom]
          Caption = 'Δηλώνω υπεύθυνα και με γνώση των συνεπειών του Ν.1599/86 ότι από            /        /             , διακόπηκαν οι οικοδομικές εργασίες του προαναφερόμενου έργου και ότι σε περίπτωση επανέναρξης αυτή θα γνωστοποιηθεί στο ΙΚΑ με υποβολή Αναλυτικής Περιοδικής Δήλωσης.'
          Alignment = taLeftJustify
          Layout = tlTop
          WordWrap = True
          Align = alClient
          TabOrder = 1
          Notifier = XFrameNotifier1
          Sheme = ShemeH3
        end
      end
    end
    object XFrame1: TXFrame
      Maping = mpLoMetricMaping
      HorzSize = 1750
      VertSize = 450
      Borders = []
      Align = alTop
      TabOrder = 28
      Notifier = XFrameNotifier1
      Sheme = ShemeH2
      object XFrame2: TXFrame
        Maping = mpLoMetricMaping
        HorzSize = 1750
        VertSize = 430
        Borders = [rsLeft, rsTop, rsRight, rsBottom]
        Align = alBottom
        TabOrder = 0
        Visible = False
        OnPrintInit = XFrame1PrintInit
        Notifier = XFrameNotifier1
        Sheme = ShemeH3
        object XFrame3: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 1750
          VertSize = 84
          Borders = [rsLeft, rsTop, rsRight, rsBottom]
          Align = alTop
          TabOrder = 0
          Notifier = XFrameNotifier1
          Sheme = ShemeH3
          object XFrame4: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 320
            VertSize = 84
            Borders = [rsLeft, rsTop]
            Caption = 'ΗΜΕΡΟΜΗΝΙΑ ΥΠΟΒΟΛΗΣ ΑΠΔ'
            Alignment = taCenter
            Layout = tlTop
            WordWrap = True
            Align = alLeft
            TabOrder = 0
            Notifier = XFrameNotifier1
            Sheme = ShemeH0
          end
          object XFrame5: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 320
            VertSize = 84
            Borders = [rsLeft, rsTop]
            Align = alLeft
            TabOrder = 1
            Notifier = XFrameNotifier1
            Sheme = ShemeH3
          end
          object XFrame6: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 530
            VertSize = 84
            Borders = [rsLeft, rsTop]
            Align = alLeft
            TabOrder = 2
            Notifier = XFrameNotifier1
            Sheme = ShemeH1
          end
          object XFrame7: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 320
            VertSize = 84
            Borders = [rsLeft, rsTop]
            Caption = 'ΗΜΕΡΟΜΗΝΙΑ ΠΑΡΑΛΑΒΗΣ ΑΠΔ'
            Alignment = taCenter
            Layout = tlTop
            WordWrap = True
            Align = alLeft
            TabOrder = 3
            Notifier = XFrameNotifier1
            Sheme = ShemeH3
          end
          object XFrame8: TXFrame
            Maping = mpLoMetricMaping
            HorzSize = 260
            VertSize = 84
            Borders = [rsLeft, rsTop, rsRight]
            Align = alClient
            TabOrder = 4
            Notifier = XFrameNotifier1
            Sheme = ShemeH2
          end
        end
        object XFrame9: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 350
          VertSize = 50
          Borders = []
          Caption = 'Ο ΔΗΛΩΝ'
          Alignment = taLeftJustify
          Layout = tlTop
          Align = alNone
          TabOrder = 1
          HorzAnchor = haLeft
          HorzIdent = 350
          VertAnchor = vaTop
          VertIdent = 10
          Notifier = XFrameNotifier1
          Sheme = ShemeH3
        end
        object XFrame10: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 350
          VertSize = 50
          Borders = []
          Caption = 'Ο ΠΑΡΑΛΑΒΩΝ'
          Alignment = taLeftJustify
          Layout = tlTop
          Align = alNone
          TabOrder = 2
          HorzAnchor = haLeft
          HorzIdent = 1240
          VertAnchor = vaTop
          VertIdent = 10
          Notifier = XFrameNotifier1
          Sheme = ShemeH3
        end
        object XFrame11: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 330
          VertSize = 50
          Borders = []
          Caption = '(Σφραγίδα- υπογραφή)'
          Alignment = taLeftJustify
          Layout = tlTop
          Align = alNone
          TabOrder = 3
          HorzAnchor = haLeft
          HorzIdent = 300
          VertAnchor = vaBottom
          VertIdent = 10
          Notifier = XFrameNotifier1
          Sheme = ShemeH3
        end
        object XFrame12: TXFrame
          Maping = mpLoMetricMaping
          HorzSize = 330
          VertSize = 50
          Borders = []
          Caption = '(Σφραγίδα- υπογραφή)'
          Alignment = taLeftJustify
          Layout = tlTop
          Align = alNone
          TabOrder = 4
          HorzAnchor = haLeft
          HorzIdent = 1240
          VertAnchor = vaBottom
          VertIdent = 10
          Notifier = XFrameNotifier1
          Sheme = ShemeH3
        end
      end
    end
  end
  object XFrameNotifier1: TXFrameNotifier
    OnChange = XFrameNotifier1Change
  end
  object ShemeH0: TXFrameSheme
    Font.Charset = GREEK_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    SecondaryFont.Charset = DEFAULT_CHARSET
    SecondaryFont.Color = clWindowText
    SecondaryFont.Height = -11
    SecondaryFont.Name = 'MS Sans Serif'
    SecondaryFont.Style = []
    Color = 12180735
    PrintColor = False
  end
  object ShemeH1: TXFrameSheme
    Font.Charset = GREEK_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    SecondaryFont.Charset = DEFAULT_CHARSET
    SecondaryFont.Color = clWindowText
    SecondaryFont.Height = -11
    SecondaryFont.Name = 'MS Sans Serif'
    SecondaryFont.Style = []
    Color = 6008319
    PrintColor = False
  end
  object ShemeH2: TXFrameSheme
    Font.Charset = GREEK_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    SecondaryFont.Charset = DEFAULT_CHARSET
    SecondaryFont.Color = clWindowText
    SecondaryFont.Height = -11
    SecondaryFont.Name = 'MS Sans Serif'
    SecondaryFont.Style = []
    Color = clWhite
    PrintColor = False
  end
  object ShemeH3: TXFrameSheme
    Font.Charset = GREEK_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    SecondaryFont.Charset = DEFAULT_CHARSET
    SecondaryFont.Color = clWindowText
    SecondaryFont.Height = -11
    SecondaryFont.Name = 'MS Sans Serif'
    SecondaryFont.Style = []
    Color = clWhite
    PrintColor = False
  end
end
