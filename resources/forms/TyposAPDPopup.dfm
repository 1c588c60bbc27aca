inherited TyposAPDPopup: TTyposAPDPopup
  ClientHeight = 61
  inherited ListBox1: TListBox
    Height = 61
    Items.Strings = (
      '01 (Κανονική)'
      '02 (Έκτακτη)'
      '03 (Επανυποβολή)'
      '04 (Συμπληρωματική)')
  end
end
