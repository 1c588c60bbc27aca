inherited PopupKodikosEidikotitas: TPopupKodikosEidikotitas
  ClientHeight = 46
  inherited ListBox1: TListBox
    Height = 46
    Items.Strings = (
      '933110 (Τεχνίτης)'
      '933120 (Βοηθός Τεχνίτη)'
      '933130 (Εργάτης)')
  end
end
