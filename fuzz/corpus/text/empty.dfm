object A: TFuzzBox
end
