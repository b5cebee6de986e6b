# The two commands of the README. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test package contact-sheet clean fuzz

setup:
	./scripts/setup

configure: setup
	cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/mokopi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The Debian package: $(BUILD)/mokopi_<version>_<arch>.deb
package: build
	cmake --build $(BUILD) --target package

# The save decoder under libFuzzer (clang only; not part of `make test`).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 180

fuzz:
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang and libclang-rt-14-dev"; exit 1; }
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/save_decoder_fuzz -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/save_record.dict \
		$(FUZZ_BUILD)/corpus fuzz/seeds

# Every picture on one page for review: $(BUILD)/contact_sheet.png
contact-sheet: configure
	cmake --build $(BUILD) --target contact_sheet -j $(JOBS)

clean:
	rm -rf $(BUILD)
