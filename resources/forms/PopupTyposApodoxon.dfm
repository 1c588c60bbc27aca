inherited PopupTyposApodoxon: TPopupTyposApodoxon
  inherited ListBox1: TListBox
    Items.Strings = (
      '01 (Τακτικές Αποδοχές)'
      '08 (Αποδοχές Ασθενείας)'
      '09 (Αναδρομικές Αποδοχές)'
      '10 (Bonus)'
      '11 (Υπερωρίες)'
      '14 (Λοιπές Αποδοχές)')
  end
end
