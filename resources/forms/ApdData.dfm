object ApdData: TApdData
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  ParentFont = False
  object PageFrame: TXFrame
    HorzSize = 2101
    VertSize = 2971
    Sheme = ShemeH2
    TabOrder = 0
    Notifier = XFrameNotifier1
    object Document: TXFrame
      HorzSize = 1745
      VertSize = 2850
      HorzAnchor = haCenter
      HorzIdent = 100
      VertAnchor = vaCenter
      VertIdent = 80
      ForceNewPage = True
      Sheme = ShemeH2
      TabOrder = 0
      OnAdjustPrintRect = DocumentAdjustPrintRect
      Notifier = XFrameNotifier1
      object Header: TXFrame
        HorzSize = 1750
        VertSize = 225
        Align = alTop
        TabOrder = 0
        HeaderFooter = True
        Sheme = ShemeH2
        Notifier = XFrameNotifier1
        object XFrame4: TXFrame
          HorzSize = 315
          VertSize = 225
          Align = alLeft
          TabOrder = 0
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object Image1: TImage
            Stretch = True
          end
        end
        object XFrame13: TXFrame
          HorzSize = 1435
          VertSize = 225
          Align = alClient
          TabOrder = 1
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object Image2: TImage
            Stretch = True
          end
        end
      end
      object XFrame1: TXFrame
        HorzSize = 1749
        VertSize = 75
        Align = alTop
        TabOrder = 1
        Sheme = ShemeH2
        Notifier = XFrameNotifier1
        object XFrame2: TXFrame
          HorzSize = 1749
          VertSize = 50
          Borders = [rsLeft, rsTop, rsRight, rsBottom]
          HorzAnchor = haCenter
          VertAnchor = vaCenter
          TabOrder = 0
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame3: TXFrame
            HorzSize = 400
            VertSize = 50
            Borders = [rsLeft, rsTop, rsBottom]
            Caption = 'ΤΥΠΟΣ ΔΗΛΩΣΗΣ'
            Align = alLeft
            Alignment = taLeftJustify
            Layout = tlCenter
            WordWrap = False
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object typeApdCode: TXFrame
            HorzSize = 400
            VertSize = 50
            Borders = [rsLeft, rsTop, rsBottom]
            Align = alLeft
            Alignment = taCenter
            Layout = tlTop
            TabOrder = 1
            Sheme = ShemeH2
            ExtraHint = '  ΚΩΔΙΚΟΣ'
            Group = 6
            HoverColor = 16744576
            OnClick = typeApdCodeClick
            Notifier = XFrameNotifier1
          end
          object typeApdHint: TXFrame
            HorzSize = 949
            VertSize = 50
            Borders = [rsLeft, rsTop, rsRight, rsBottom]
            Align = alClient
            Alignment = taCenter
            Layout = tlTop
            TabOrder = 2
            Sheme = ShemeH2
            ExtraHint = '  ΠΕΡΙΓΡΑΦΗ'
            Group = 6
            HoverColor = 16744576
            OnClick = typeApdCodeClick
            Notifier = XFrameNotifier1
          end
        end
      end
      object XFrame5: TXFrame
        HorzSize = 1749
        VertSize = 349
        Align = alTop
        TabOrder = 2
        Borders = [rsTop]
        Sheme = ShemeH2
        Notifier = XFrameNotifier1
        object XFrame8: TXFrame
          HorzSize = 1749
          VertSize = 50
          Align = alTop
          TabOrder = 0
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame14: TXFrame
            HorzSize = 669
            VertSize = 50
            Borders = [rsLeft, rsTop]
            Caption = 'ΥΠΟΚΑΤΑΣΗΜΑ ΙΚΑ ΥΠΟΒΟΛΗΣ'
            Align = alLeft
            Alignment = taLeftJustify
            Layout = tlCenter
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object DbLookupXFrame10: TDbLookupXFrame
            HorzSize = 299
            VertSize = 50
            Borders = [rsLeft, rsTop]
            Align = alLeft
            Alignment = taCenter
            Layout = tlCenter
            TabOrder = 1
            TabStop = True
            Sheme = ShemeH2
            ExtraHint = '  ΚΩΔΙΚΟΣ(2)'
            Group = 1
            HoverColor = 16744576
            DataField = 'ΚΩΔΙΚΟΣ'
            OnClick = XFrame13Click
            Notifier = XFrameNotifier1
          end
          object DbLookupXFrame9: TDbLookupXFrame
            HorzSize = 781
            VertSize = 50
            Borders = [rsLeft, rsTop, rsRight]
            Align = alClient
            Alignment = taCenter
            Layout = tlCenter
            TabOrder = 2
            TabStop = True
            Sheme = ShemeH2
            ExtraHint = '  ΟΝΟΜΑΣΙΑ(3)'
            Group = 1
            HoverColor = 16744576
            DataField = 'ΟΝΟΜΑΣΙΑ'
            OnClick = XFrame13Click
            Notifier = XFrameNotifier1
          end
        end
        object XFrame9: TXFrame
          HorzSize = 1749
          VertSize = 90
          Align = alTop
          TabOrder = 1
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame10: TXFrame
            HorzSize = 270
            VertSize = 90
            Borders = [rsLeft, rsTop]
            Caption = 'ΕΠΩΝΥΜΙΑ ΕΡΓΟΔΟΤΗ'
            Align = alLeft
            Alignment = taLeftJustify
            Layout = tlTop
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object DbLookupXFrame1: TDbLookupXFrame
            HorzSize = 1479
            VertSize = 90
            Borders = [rsLeft, rsTop, rsRight]
            Align = alClient
            Alignment = taCenter
            Layout = tlTop
            TabOrder = 1
            TabStop = True
            Sheme = ShemeH2
            WordWrap = True
            Group = 0
            HoverColor = 16744576
            DataField = 'ΕΠΩΝΥΜΙΑ'
            OnClick = DbLookupXFrame1Click
            Notifier = XFrameNotifier1
          end
        end
        object XFrame6: TXFrame
          HorzSize = 1749
          VertSize = 101
          Align = alTop
          TabOrder = 2
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame11: TXFrame
            HorzSize = 270
            VertSize = 101
            Borders = [rsLeft, rsTop]
            Caption = 'Δ/ΝΣΗ ΕΔΡΑΣ ΕΡΓΟΔΟΤΗ'
            Align = alLeft
            Alignment = taLeftJustify
            Layout = tlTop
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object XFrame455: TXFrame
            HorzSize = 1479
            VertSize = 101
            Align = alClient
            TabOrder = 1
            Sheme = ShemeH2
            Notifier = XFrameNotifier1
            object XFrame456: TXFrame
              HorzSize = 1479
              VertSize = 50
              Align = alTop
              TabOrder = 0
              Sheme = ShemeH2
              Notifier = XFrameNotifier1
              object DbLookupXFrame3: TDbLookupXFrame
                HorzSize = 1191
                VertSize = 50
                Borders = [rsLeft, rsTop]
                Align = alClient
                Alignment = taCenter
                Layout = tlCenter
                TabOrder = 1
                TabStop = True
                Sheme = ShemeH2
                ExtraHint = '  ΟΔΟΣ(5)'
                Group = 0
                HoverColor = 16744576
                DataField = 'ΟΔΟΣ'
                OnClick = DbLookupXFrame1Click
                Notifier = XFrameNotifier1
              end
              object DbLookupXFrame2: TDbLookupXFrame
                HorzSize = 288
                VertSize = 50
                Borders = [rsLeft, rsTop, rsRight]
                Align = alRight
                Alignment = taCenter
                Layout = tlCenter
                TabOrder = 0
                TabStop = True
                Sheme = ShemeH2
                ExtraHint = '  ΑΡΙΘΜΟΣ(6)'
                Group = 0
                HoverColor = 16744576
                DataField = 'ΑΡΙΘΜΟΣ'
                OnClick = DbLookupXFrame1Click
                Notifier = XFrameNotifier1
              end
            end
            object DbLookupXFrame5: TDbLookupXFrame
              HorzSize = 288
              VertSize = 51
              Borders = [rsLeft, rsTop]
              Align = alLeft
              Alignment = taCenter
              Layout = tlCenter
              TabOrder = 1
              TabStop = True
              Sheme = ShemeH2
              ExtraHint = '  Τ.Κ.(7)'
              Group = 0
              HoverColor = 16744576
              DataField = 'ΤΚ'
              OnClick = DbLookupXFrame1Click
              Notifier = XFrameNotifier1
            end
            object DbLookupXFrame4: TDbLookupXFrame
              HorzSize = 1191
              VertSize = 51
              Borders = [rsLeft, rsTop, rsRight]
              Align = alClient
              Alignment = taCenter
              Layout = tlCenter
              TabOrder = 2
              TabStop = True
              Sheme = ShemeH2
              ExtraHint = '  ΠΟΛΗ(8)'
              Group = 0
              HoverColor = 16744576
              DataField = 'ΠΟΛΗ'
              OnClick = DbLookupXFrame1Click
              Notifier = XFrameNotifier1
            end
          end
        end
        object XFrame7: TXFrame
          HorzSize = 1749
          VertSize = 90
          Align = alTop
          TabOrder = 3
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame12: TXFrame
            HorzSize = 270
            VertSize = 90
            Borders = [rsLeft, rsTop, rsBottom]
            Caption = 'ΕΙΔΟΣ ΕΡΓΟΥ'
            Align = alLeft
            Alignment = taLeftJustify
            Layout = tlTop
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object xEidosErgou: TInplaceEditFrame
            HorzSize = 1479
            VertSize = 90
            Borders = [rsLeft, rsTop, rsRight, rsBottom]
            Align = alClient
            Alignment = taLeftJustify
            Layout = tlTop
            TabOrder = 1
            TabStop = True
            Sheme = ShemeH2
            WordWrap = True
            Notifier = XFrameNotifier1
          end
        end
      end
      object XFrame16: TXFrame
        HorzSize = 1749
        VertSize = 259
        Align = alTop
        TabOrder = 3
        Sheme = ShemeH2
        Notifier = XFrameNotifier1
        object XFrame22: TXFrame
          HorzSize = 1749
          VertSize = 61
          Align = alTop
          TabOrder = 0
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame24: TXFrame
            HorzSize = 320
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Caption = 'Α.Μ.Ε.'
            Align = alLeft
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object frameAME: TDbLookupXFrame
            HorzSize = 479
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Align = alClient
            Alignment = taLeftJustify
            Layout = tlTop
            TabOrder = 2
            TabStop = True
            Sheme = ShemeH2
            Group = 0
            HoverColor = 16744576
            DataField = 'ΑΜΕ'
            OnClick = DbLookupXFrame1Click
            Notifier = XFrameNotifier1
          end
          object XFrame31: TXFrame
            HorzSize = 950
            VertSize = 61
            Borders = [rsLeft, rsTop, rsRight]
            Caption = 'ΔΙΕΥΘΥΝΣΗ ΕΡΓΟΥ'
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 1
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
        end
        object XFrame26: TXFrame
          HorzSize = 1749
          VertSize = 61
          Align = alTop
          TabOrder = 1
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame27: TXFrame
            HorzSize = 320
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Caption = 'Α.Μ.Ο.Ε.'
            Align = alLeft
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object frameAMOE: TDbLookupXFrame
            HorzSize = 479
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Align = alClient
            Alignment = taLeftJustify
            Layout = tlTop
            TabOrder = 3
            TabStop = True
            Sheme = ShemeH2
            MaxTextSize = 10
            HoverColor = 16744576
            Notifier = XFrameNotifier1
          end
          object xOdosErgou: TInplaceEditFrame
            HorzSize = 680
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            TabOrder = 2
            TabStop = True
            Sheme = ShemeH2
            ExtraHint = '  ΟΔΟΣ|  (13)'
            Notifier = XFrameNotifier1
          end
          object xArOdouErgou: TInplaceEditFrame
            HorzSize = 270
            VertSize = 61
            Borders = [rsLeft, rsTop, rsRight]
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            TabOrder = 1
            TabStop = True
            Sheme = ShemeH2
            ExtraHint = '  ΑΡΙΘΜΟΣ| (14)'
            Notifier = XFrameNotifier1
          end
        end
        object XFrame17: TXFrame
          HorzSize = 1749
          VertSize = 61
          Align = alTop
          TabOrder = 2
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame18: TXFrame
            HorzSize = 320
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Caption = 'Α.Φ.Μ.'
            Align = alLeft
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object frameAFM: TDbLookupXFrame
            HorzSize = 479
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Align = alClient
            Alignment = taLeftJustify
            Layout = tlTop
            TabOrder = 3
            TabStop = True
            Sheme = ShemeH2
            Group = 0
            HoverColor = 16744576
            DataField = 'ΑΦΜ'
            OnClick = DbLookupXFrame1Click
            Notifier = XFrameNotifier1
          end
          object xTKErgou: TInplaceEditFrame
            HorzSize = 320
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            TabOrder = 2
            TabStop = True
            Sheme = ShemeH2
            ExtraHint = '  Τ.Κ.| (15)'
            Notifier = XFrameNotifier1
          end
          object xPoliErgou: TInplaceEditFrame
            HorzSize = 630
            VertSize = 61
            Borders = [rsLeft, rsTop, rsRight]
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            TabOrder = 1
            TabStop = True
            Sheme = ShemeH2
            ExtraHint = '  ΠΟΛΗ|  (16)'
            Notifier = XFrameNotifier1
          end
        end
        object XFrame20: TXFrame
          HorzSize = 1749
          VertSize = 61
          Align = alTop
          TabOrder = 3
          Sheme = ShemeH2
          Borders = [rsLeft]
          Notifier = XFrameNotifier1
          object XFrame32: TXFrame
            HorzSize = 1119
            VertSize = 61
            Borders = [rsLeft, rsTop, rsBottom]
            Align = alClient
            TabOrder = 2
            Sheme = ShemeH1
            Notifier = XFrameNotifier1
          end
          object XFrame21: TXFrame
            HorzSize = 360
            VertSize = 61
            Borders = [rsLeft, rsTop, rsBottom]
            Caption = 'ΜΗΝΑΣ/ ΕΤΟΣ'
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 1
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object DatePeriodFrame: TXDateFrame
            HorzSize = 270
            VertSize = 61
            Borders = [rsLeft, rsTop, rsRight, rsBottom]
            Align = alRight
            Alignment = taRightJustify
            Layout = tlBottom
            TabOrder = 0
            TabStop = True
            Sheme = ShemeH2
            DateFormat = 'M/yyyy'
            DropDownButton = True
            OnDateChange = DatePeriodFrameChange
            Date = 37586.0
            Notifier = XFrameNotifier1
          end
        end
      end
      object XFrame33: TXFrame
        HorzSize = 1749
        VertSize = 201
        Align = alTop
        TabOrder = 4
        Sheme = ShemeH2
        Notifier = XFrameNotifier1
        object XFrame42: TXFrame
          HorzSize = 1749
          VertSize = 61
          Borders = [rsLeft, rsTop, rsRight]
          Caption = 'ΣΥΝΟΛΑ ΑΠΔ'
          Align = alTop
          Alignment = taCenter
          Layout = tlCenter
          WordWrap = True
          TabOrder = 0
          Sheme = ShemeH0
          Notifier = XFrameNotifier1
        end
        object XFrame45: TXFrame
          HorzSize = 1749
          VertSize = 61
          Align = alTop
          TabOrder = 1
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame46: TXFrame
            HorzSize = 320
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Caption = 'ΑΠΟΔΟΧΩΝ*'
            Align = alLeft
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object ApodoxesTotal: TXCurrencyFrame
            HorzSize = 558
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Align = alClient
            Alignment = taRightJustify
            Layout = tlBottom
            TabOrder = 3
            Sheme = ShemeH2
            InplaceEdit = False
            Notifier = XFrameNotifier1
          end
          object XFrame48: TXFrame
            HorzSize = 529
            VertSize = 61
            Borders = [rsLeft, rsTop]
            Caption = 'ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ'
            Align = alRight
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 2
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object DaysTotal: TXIntegerFrame
            HorzSize = 341
            VertSize = 61
            Borders = [rsLeft, rsTop, rsRight]
            Align = alRight
            Alignment = taCenter
            Layout = tlBottom
            TabOrder = 1
            Sheme = ShemeH2
            InplaceEdit = False
            Notifier = XFrameNotifier1
          end
        end
        object XFrame34: TXFrame
          HorzSize = 1749
          VertSize = 61
          Align = alTop
          TabOrder = 2
          Sheme = ShemeH2
          Notifier = XFrameNotifier1
          object XFrame35: TXFrame
            HorzSize = 320
            VertSize = 61
            Borders = [rsLeft, rsTop, rsBottom]
            Caption = 'ΕΙΣΦΟΡΩΝ*'
            Align = alLeft
            Alignment = taCenter
            Layout = tlCenter
            WordWrap = True
            TabOrder = 0
            Sheme = ShemeH0
            Notifier = XFrameNotifier1
          end
          object EisforesTotal: TXCurrencyFrame
            HorzSize = 558
            VertSize = 61
            Borders = [rsLeft, rsTop, rsBottom]
            Align = alClient
            Alignment = taRightJustify
            Layout = tlBottom
            TabOrder = 2
            Sheme = ShemeH2
            InplaceEdit = False
            Notifier = XFrameNotifier1
          end
          object XFrame36: TXFrame
            HorzSize = 870
            VertSize = 61
            Borders = [rsLeft, rsTop, rsRight, rsBottom]
            Align = alRight
            TabOrder = 1
            Sheme = ShemeH1
            Notifier = XFrameNotifier1
          end
        end
      end
      object FooterFrame: TXFrame
        HorzSize = 1749
        VertSize = 60
        Align = alBottom
        VertAnchor = vaBottom
        TabOrder = 5
        HeaderFooter = True
        Sheme = ShemeH3
        Caption = '*Τα ποσά αναγράφονται υποχρεωτικά με δύο δεκαδικά ψηφία'
        Alignment = taLeftJustify
        Layout = tlTop
        Notifier = XFrameNotifier1
        object XFrame454: TXFrame
          HorzSize = 357
          VertSize = 101
          Align = alRight
          TabOrder = 0
          Sheme = ShemeH3
          Caption = 'Σελίδα .... από ...'
          Alignment = taRightJustify
          Layout = tlTop
          OnPrint = XFrame454Print
        end
      end
      object PageControl1: TPageControl
      end
    end
  end
  object XFrameNotifier1: TXFrameNotifier
    OnChange = XFrameNotifier1Change
  end
  object ShemeH2: TXFrameSheme
    Font.Charset = GREEK_CHARSET
    Font.Color = clWindowText
    Font.Height = -15
    Font.Name = 'Arial'
    Font.Style = []
    SecondaryFont.Charset = GREEK_CHARSET
    SecondaryFont.Color = clWindowText
    SecondaryFont.Height = -9
    SecondaryFont.Name = 'Arial'
    SecondaryFont.Style = []
    Color = clWhite
    PrintColor = False
    OnChange = ShemeH2Change
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
    PrintColor = True
    OnChange = ShemeH0Change
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
    PrintColor = True
    OnChange = ShemeH1Change
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
    OnChange = ShemeH3Change
  end
  object PrintDialog1: TPrintDialog
  end
end
